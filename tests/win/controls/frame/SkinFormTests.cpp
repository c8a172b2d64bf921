// The skinned form frame on a real window: its size and shape from the skin's form object,
// hit-testing by the kinds of the skin's objects, the skin's caption buttons under the real
// pointer, the pixels it shows (plain, over a shadow, translucent), changes of skin and hue,
// the plain look without an engine and the show transition.

#include <windows.h>

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "controls/frame/FrameShadow.h"
#include "controls/frame/SeSkinForm.h"
#include "gfx/Pixels.h"
#include "skin/SkinEngine.h"
#include "tests/win/support/DibShot.h"
#include "tests/win/support/ScreenBackdrop.h"
#include "tests/win/support/WinTestSupport.h"
#include "toolkit/Forms.h"
#include "toolkit/Graphics.h"
#include "toolkit/PrivateMessages.h"
#include "toolkit/Streams.h"

namespace {

constexpr int ClientW = 320, ClientH = 220;
// An expected pixel that is not checked.
constexpr uint32_t AnyPixel = 0xFF000000u;

// The built-in skin as the program stores it: a byte that says a skin follows, and the skin.
void LoadBuiltInSkin(TSeSkinEngine& Engine) {
  std::ifstream In(MIREVAN_BUILTIN_SKIN, std::ios::binary);
  std::vector<uint8_t> Bytes{std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
  ASSERT_FALSE(Bytes.empty()) << MIREVAN_BUILTIN_SKIN;
  TMemoryStream Stream(std::move(Bytes));
  Engine.ReadSkinStream(Stream);
  ASSERT_TRUE(Engine.HasSkin());
}

class SkinFormTest : public ::testing::Test {
protected:
  static constexpr int Left = 200, Top = 150;

  void SetUp() override {
    Application->Initialize();
    // Away from where the form will be, so that no caption button is hot.
    PointAt({5, 5});
    BeforeShowing();
    Form = MakeComponent<TForm>(Application);
    FormRef = std::make_unique<TComponentRef<TForm>>(Form);
    Form->Position = TPosition::poDesigned;
    Form->MaximizeBox = true;
    Form->SetCaption("Skinned");
    Form->SetBounds(Left, Top, 0, 0);
    Form->SetClientSize(ClientW, ClientH);
    Engine = MakeComponent<TSeSkinEngine>(Form);
    EngineRef = std::make_unique<TComponentRef<TSeSkinEngine>>(Engine);
    LoadSkin();
    Frame = MakeComponent<TSeSkinForm>(Form);
    BeforeLoading();
    if (UseEngine)
      Frame->SetSkinEngine(Engine);
    Form->Show();
    Form->AfterConstruction();                // the frame hooks the form once it is loaded
    ASSERT_NE(Application->MainForm(), Form); // closing it would end the application
    // Shown again now that the frame is hooked, as a loaded form is shown: the frame sees
    // its activation and captures the screen behind it on the way.
    Form->SetVisible(false);
    PumpUntil([&] { return !IsWindowVisible(Form->Handle()); }, 1000);
    PumpFor(60);
    Form->SetVisible(true);
    SetForegroundWindow(Form->Handle());
    PumpUntil([&] { return GetForegroundWindow() == Form->Handle(); }, 1000);
    Settle();
  }
  void TearDown() override {
    if (Pressed)
      Button(false);
    if (FormRef->Get())
      Form->Free();
  }
  virtual void BeforeShowing() {}
  virtual void LoadSkin() { LoadBuiltInSkin(*Engine); }
  // Runs after the frame is made and before it gets the engine and the form is shown.
  virtual void BeforeLoading() {}

  // Pumps until the frame's own posted refreshes have run.
  void Settle() {
    PumpFor(60);
    RedrawWindow(Form->Handle(), nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpFor(60);
  }
  RECT WindowRect() const {
    RECT R{};
    GetWindowRect(Form->Handle(), &R);
    return R;
  }
  // The client area's offsets inside the window rectangle.
  RECT Insets() const {
    const RECT Window = WindowRect();
    RECT Client;
    GetClientRect(Form->Handle(), &Client);
    MapWindowPoints(Form->Handle(), nullptr, reinterpret_cast<POINT*>(&Client), 2);
    return {Client.left - Window.left, Client.top - Window.top, Window.right - Client.right,
            Window.bottom - Client.bottom};
  }
  SIZE ClientSize() const {
    RECT Client;
    GetClientRect(Form->Handle(), &Client);
    return {Client.right, Client.bottom};
  }
  LRESULT HitAt(int X, int Y) const {
    const RECT Window = WindowRect();
    return SendMessageW(Form->Handle(), WM_NCHITTEST, 0,
                        MAKELPARAM(Window.left + X, Window.top + Y));
  }
  // A fresh copy of the engine's form object laid out at W x H, as the frame lays its own.
  std::unique_ptr<TSeSkinObject> LaidOutCopy(int W, int H) const {
    std::unique_ptr<TSeSkinObject> Copy =
        CloneSkinObject(*Engine->Source()->GetFormObject(), nullptr);
    Copy->AttachControl(Form);
    Copy->SetBounds({0, 0, W, H});
    return Copy;
  }
  // The engine's form object drawn at the frame's size the way the frame draws it: the
  // frame's activation, the normal state, the window's text as title; without the client
  // object unless WithClient; over Under where the skin's pixels are translucent.
  std::vector<uint32_t> SkinPicture(bool WithClient = false, TsePixel Under = 0) const {
    const int W = Frame->FrameWidth(), H = Frame->FrameHeight();
    std::unique_ptr<TSeSkinObject> Copy = LaidOutCopy(W, H);
    Copy->SetActive(Frame->ActiveWindow());
    Copy->SetState(osNormal);
    if (TSeSkinObject* Title = Copy->FindObjectByKind(skTitle)) {
      wchar_t Buffer[512];
      const int Length = GetWindowTextW(Form->Handle(), Buffer, std::size(Buffer));
      Title->Text.assign(Buffer, Length > 0 ? Length : 0);
      Copy->AlignObjects();
    }
    if (TSeSkinObject* Client = Copy->FindObjectByKind(skClient); Client && !WithClient)
      Client->Visible = false;
    // On the kind of surface the frame paints through.
    TseBitmap Surface;
    Surface.SetSize(W, H);
    Surface.Clear(Under);
    {
      TCanvas Canvas(Surface.DC());
      Copy->Draw(Canvas);
    }
    GdiFlush();
    std::vector<uint32_t> Pixels(static_cast<size_t>(W) * H);
    for (int Y = 0; Y < H; ++Y)
      for (int X = 0; X < W; ++X)
        Pixels[static_cast<size_t>(Y * W + X)] = Surface.GetPixel(X, Y) & 0xFFFFFF;
    return Pixels;
  }
  // The window's shape, or null for none; the caller owns it.
  TRegionHandle WindowShape() const {
    TRegionHandle Shape(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(Form->Handle(), Shape.get()) == ERROR)
      return nullptr;
    return Shape;
  }
  // Pixels of the frame (inside the window's shape, outside the client rectangle, within
  // W x H) where the screen differs from Expected(X, Y); the count, and the first one.
  template <class TExpected>
  int FrameMismatches(const TExpected& Expected, std::string* First = nullptr) const {
    const RECT Window = WindowRect();
    const std::vector<uint32_t> Shown = ScreenPixels(Window);
    const int WW = Window.right - Window.left;
    const TRect Client = Frame->GetFrameClientRect();
    const TRegionHandle Shape = WindowShape();
    int Count = 0;
    for (int Y = 0; Y < Frame->FrameHeight(); ++Y)
      for (int X = 0; X < Frame->FrameWidth(); ++X) {
        if (X >= Client.Left && X < Client.Right && Y >= Client.Top && Y < Client.Bottom)
          continue;
        if (Shape && !PtInRegion(Shape.get(), X, Y))
          continue;
        const uint32_t Is = Shown[static_cast<size_t>(Y * WW + X)];
        const uint32_t Expect = Expected(X, Y);
        if (Expect == AnyPixel)
          continue;
        const uint32_t Want = Expect & 0xFFFFFF;
        if (Is != Want) {
          if (Count == 0 && First) {
            char Text[96];
            snprintf(Text, sizeof Text, "(%d, %d): %06X instead of %06X", X, Y, Is, Want);
            *First = Text;
          }
          ++Count;
        }
      }
    return Count;
  }
  // Against the skin's picture; OpaqueOnly leaves out the pixels where the skin's art is
  // translucent (they mix with whatever the surface held before).
  int MismatchesWithSkin(std::string* First, bool OpaqueOnly = false) const {
    const std::vector<uint32_t> Picture = SkinPicture();
    const std::vector<uint32_t> OverWhite = SkinPicture(false, 0xFFFFFFFF);
    const int W = Frame->FrameWidth();
    return FrameMismatches(
        [&](int X, int Y) {
          const size_t I = static_cast<size_t>(Y * W + X);
          return OpaqueOnly && Picture[I] != OverWhite[I] ? AnyPixel : Picture[I];
        },
        First);
  }
  POINT ObjectCentre(const char* Name) const {
    const TSeSkinObject* Object = Frame->SkinCopy()->FindObject(Name);
    EXPECT_NE(Object, nullptr) << Name;
    if (!Object)
      return {};
    return {Object->Left() + Object->Width() / 2, Object->Top() + Object->Height() / 2};
  }

  // The real pointer and button.
  bool PointTo(POINT P) {
    const RECT R = WindowRect();
    return PointAt({R.left + P.x, R.top + P.y});
  }
  void Button(bool Down) {
    LeftButton(Down);
    Pressed = Down;
  }

  TApplicationScope App;
  TForm* Form = nullptr;
  std::unique_ptr<TComponentRef<TForm>> FormRef;
  TSeSkinEngine* Engine = nullptr;
  std::unique_ptr<TComponentRef<TSeSkinEngine>> EngineRef;
  TSeSkinForm* Frame = nullptr;
  bool UseEngine = true;
  bool Pressed = false;
};

TEST_F(SkinFormTest, TheWindowIsTheClientAreaInsideTheSkinsFrame) {
  ASSERT_TRUE(Frame->Skinned());
  EXPECT_EQ(ClientSize().cx, ClientW);
  EXPECT_EQ(ClientSize().cy, ClientH);
  const RECT Window = WindowRect();
  const int W = Window.right - Window.left, H = Window.bottom - Window.top;
  EXPECT_EQ(Frame->FrameWidth(), W);
  EXPECT_EQ(Frame->FrameHeight(), H);
  // The client object's place in a copy laid out to the window's size: the built-in skin's
  // 4-wide left border, 22-high caption and 5-wide right and bottom borders.
  const std::unique_ptr<TSeSkinObject> Copy = LaidOutCopy(W, H);
  const TRect Client = Copy->FindObjectByKind(skClient)->BoundsRect();
  const RECT In = Insets();
  EXPECT_EQ(In.left, Client.Left);
  EXPECT_EQ(In.top, Client.Top);
  EXPECT_EQ(In.right, W - Client.Right);
  EXPECT_EQ(In.bottom, H - Client.Bottom);
  EXPECT_EQ(In.left, 4);
  EXPECT_EQ(In.top, 22);
  EXPECT_EQ(In.right, 5);
  EXPECT_EQ(In.bottom, 5);
  EXPECT_EQ(Frame->GetFrameClientRect(), Client);
  EXPECT_TRUE(Frame->GetButtonRect(fzClose).IsEmpty()); // the skin's buttons are objects

  // The window wears the skin's shape at its size: the rounded top corner is cut away.
  const TRegionHandle Shape = WindowShape();
  ASSERT_NE(Shape, nullptr);
  const TRegionHandle SkinShape = Copy->GetRegion();
  ASSERT_NE(SkinShape, nullptr);
  EXPECT_TRUE(EqualRgn(Shape.get(), SkinShape.get()));
  EXPECT_FALSE(PtInRegion(Shape.get(), 0, 0));
  EXPECT_FALSE(PtInRegion(Shape.get(), W - 1, 0));
  EXPECT_TRUE(PtInRegion(Shape.get(), W / 2, In.top / 2));
  EXPECT_TRUE(PtInRegion(Shape.get(), W / 2, H / 2));
}

TEST_F(SkinFormTest, AChangeOfBorderStyleKeepsTheClientSize) {
  Frame->SetBorderStyle(qbsNone);
  PumpFor(30);
  EXPECT_EQ(ClientSize().cx, ClientW);
  EXPECT_EQ(ClientSize().cy, ClientH);
  EXPECT_EQ(Insets().top, 0);
  EXPECT_EQ(Insets().left, 0);
  Frame->SetBorderStyle(qbsStandard);
  PumpFor(30);
  EXPECT_EQ(ClientSize().cx, ClientW);
  EXPECT_EQ(ClientSize().cy, ClientH);
  EXPECT_EQ(Insets().top, 22);
  EXPECT_EQ(Insets().right, 5);
  // The shape follows the window's new size.
  RECT Box{};
  ASSERT_NE(GetWindowRgnBox(Form->Handle(), &Box), ERROR);
  EXPECT_EQ(Box.right - Box.left, Frame->FrameWidth());
  EXPECT_EQ(Box.bottom - Box.top, Frame->FrameHeight());
}

TEST_F(SkinFormTest, HitTestingGoesByTheKindsOfTheSkinsObjects) {
  const int W = Frame->FrameWidth(), H = Frame->FrameHeight();
  const POINT Caption = ObjectCentre("CaptionCenter");
  EXPECT_EQ(HitAt(Caption.x, Caption.y), HTCAPTION);
  const POINT Title = ObjectCentre("Title");
  EXPECT_EQ(HitAt(Title.x, Title.y), HTCAPTION);
  // Caption buttons are left to the frame's own mouse handling.
  for (const char* Name : {"CloseButton", "MinButton", "SysButton0"}) {
    const POINT P = ObjectCentre(Name);
    EXPECT_EQ(HitAt(P.x, P.y), HTBORDER) << Name;
  }
  EXPECT_EQ(HitAt(W / 2, H / 2), HTCLIENT);
  // The corner pieces carry corner kinds.
  const TRect TopLeft = Frame->SkinCopy()->FindObject("CaptionLeft")->BoundsRect();
  EXPECT_EQ(HitAt(TopLeft.Left + 1, TopLeft.Top + 1), HTTOPLEFT);
  const TRect TopRight = Frame->SkinCopy()->FindObject("CaptionRight")->BoundsRect();
  EXPECT_EQ(HitAt(TopRight.Right - 2, TopRight.Top + 1), HTTOPRIGHT);
  const POINT BottomLeft = ObjectCentre("BottomLeft");
  EXPECT_EQ(HitAt(BottomLeft.x, BottomLeft.y), HTBOTTOMLEFT);
  const POINT BottomRight = ObjectCentre("BottomRight");
  EXPECT_EQ(HitAt(BottomRight.x, BottomRight.y), HTBOTTOMRIGHT);
  // The deepest object decides: the pieces of the sides carry their side's kind, so the
  // whole length of each side sizes the window; a piece without a kind is client area.
  const POINT LeftMiddle = ObjectCentre("LeftCenter");
  const POINT LeftTop = ObjectCentre("LeftTop");
  EXPECT_EQ(HitAt(LeftTop.x, LeftTop.y), HTTOPLEFT);
  EXPECT_EQ(HitAt(LeftMiddle.x, LeftMiddle.y), HTLEFT);
  const POINT RightMiddle = ObjectCentre("RightCenter");
  EXPECT_EQ(HitAt(RightMiddle.x, RightMiddle.y), HTRIGHT);
  const POINT BottomMiddle = ObjectCentre("BottomCenter");
  EXPECT_EQ(HitAt(BottomMiddle.x, BottomMiddle.y), HTBOTTOM);
  Frame->SkinCopy()->FindObject("LeftCenter")->Kind = skNone;
  EXPECT_EQ(HitAt(LeftMiddle.x, LeftMiddle.y), HTCLIENT);
  Frame->SkinCopy()->FindObject("LeftCenter")->Kind = skLeft;
  // Maximized, edges and corners answer as client area (10 along the top border too); the
  // caption answers as caption while the frame is moveable; the buttons still go to the frame.
  Frame->Maximize();
  ASSERT_TRUE(PumpUntil([&] { return Frame->WindowState() == qwsMaximized; }, 2000));
  PumpFor(50);
  struct Case {
    POINT At;
    bool Moveable;
    LRESULT Code;
  };
  const POINT MaxCaption = ObjectCentre("CaptionCenter");
  for (const Case& Each :
       {Case{MaxCaption, true, HTCAPTION}, Case{MaxCaption, false, HTCLIENT},
        Case{{10, 1}, true, HTCLIENT}, Case{ObjectCentre("LeftCenter"), true, HTCLIENT},
        Case{ObjectCentre("BottomRight"), true, HTCLIENT},
        Case{ObjectCentre("CloseButton"), false, HTBORDER}}) {
    Frame->Dragging().Moveable = Each.Moveable;
    EXPECT_EQ(HitAt(Each.At.x, Each.At.y), Each.Code)
        << "at " << Each.At.x << ", " << Each.At.y << (Each.Moveable ? ", moveable" : "");
  }
  Frame->Dragging().Moveable = true;
  // The skin's frame stays whole on the monitor: the window is the maximized rectangle.
  const TRect Max = Frame->GetMaximizedRect();
  const RECT Window = WindowRect();
  EXPECT_EQ((TRect{Window.left, Window.top, Window.right, Window.bottom}), Max);
}

TEST_F(SkinFormTest, TheSkinsCloseButtonHidesTheFormOnlyWhenReleasedOnIt) {
  int Closes = 0;
  Frame->OnClose = [&](TObject*, bool&) { ++Closes; };
  const POINT Close = ObjectCentre("CloseButton");
  const TSeSkinObject* CloseButton = Frame->SkinCopy()->FindObject("CloseButton");
  // Pressed on it, carried off it, released: nothing. (The pointer rests on the button until
  // the hover timer has seen it, as a user's does.)
  ASSERT_TRUE(PointTo(Close));
  ASSERT_TRUE(PumpUntil([&] { return Frame->HotObject() == CloseButton; }, 1000));
  Button(true);
  ASSERT_TRUE(PumpUntil([&] { return Frame->PressedZone() == fzSkinButton; }, 2000));
  ASSERT_TRUE(PointTo({Frame->FrameWidth() / 2, Frame->FrameHeight() / 2}));
  Button(false);
  ASSERT_TRUE(PumpUntil([&] { return Frame->PressedZone() == fzNone && !GetCapture(); }, 2000));
  PumpFor(100);
  EXPECT_EQ(Closes, 0);
  EXPECT_TRUE(IsWindowVisible(Form->Handle()));
  // Pressed and released on it: a form other than the main one is hidden.
  PumpFor(GetDoubleClickTime() + 20); // not a double click with the press before
  ASSERT_TRUE(PointTo(Close));
  ASSERT_TRUE(PumpUntil([&] { return Frame->HotObject() == CloseButton; }, 1000));
  Button(true);
  ASSERT_TRUE(PumpUntil([&] { return Frame->PressedZone() == fzSkinButton; }, 2000));
  Button(false);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(Form->Handle()); }, 2000));
  EXPECT_EQ(Closes, 1);
  EXPECT_FALSE(Form->Visible());
}

// A quick click: the press lands before the hover timer has seen the pointer on the button.
// The timer's step after the press leaves the button pressed, and the release closes.
TEST_F(SkinFormTest, AClickFasterThanTheHoverTimerStillActs) {
  int Closes = 0;
  Frame->OnClose = [&](TObject*, bool&) { ++Closes; };
  const POINT Close = ObjectCentre("CloseButton");
  // The pointer goes there with no message handled in between, so the hover timer cannot
  // have seen it yet, however slow the machine.
  ASSERT_EQ(Frame->HotObject(), nullptr);
  const RECT Window = WindowRect();
  ASSERT_TRUE(SetCursorPos(Window.left + Close.x, Window.top + Close.y));
  ASSERT_TRUE(Frame->ActiveWindow()); // the timer's step runs for an active window only
  Frame->FrameMouseDown(mbLeft, ssLeft, Close.x, Close.y);
  Frame->HoverStep();
  Frame->FrameMouseUp(mbLeft, 0, Close.x, Close.y);
  EXPECT_EQ(Closes, 1);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(Form->Handle()); }, 2000));
}

TEST_F(SkinFormTest, TheSkinsMinimizeButtonMinimizes) {
  int Minimizes = 0;
  Frame->OnMinimize = [&](TObject*, bool&) { ++Minimizes; };
  const POINT Min = ObjectCentre("MinButton");
  ASSERT_TRUE(Frame->SkinCopy()->FindObject("MinButton")->Visible);
  ASSERT_TRUE(PointTo(Min));
  // The hover timer makes the button under the pointer hot.
  EXPECT_TRUE(PumpUntil(
      [&] { return Frame->HotObject() == Frame->SkinCopy()->FindObject("MinButton"); }, 1000));
  Button(true);
  ASSERT_TRUE(PumpUntil([&] { return Frame->PressedZone() == fzSkinButton; }, 2000));
  Button(false);
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(Form->Handle()) != FALSE; }, 2000));
  EXPECT_EQ(Minimizes, 1);
  EXPECT_EQ(Frame->WindowState(), qwsMinimized);
}

TEST_F(SkinFormTest, TheFrameShowsTheSkinsFormObject) {
  // Painted straight to the window, the skin's translucent edge pixels mix with what the
  // window showed before (and, in the caption, with the key colour): only the opaque ones
  // are certain.
  Frame->SetPerformance(qzfpNoBuffer);
  Settle();
  std::string First;
  EXPECT_EQ(MismatchesWithSkin(&First, true), 0) << "direct, first at " << First;
  Frame->SetPerformance(qzfpDoubleBuffer);
  Settle();
  EXPECT_EQ(MismatchesWithSkin(&First), 0) << "double buffer, first at " << First;
  // The frame repaints when the window's text changes: the title shows it.
  Form->SetCaption("Another title, longer than the first");
  Settle();
  EXPECT_EQ(MismatchesWithSkin(&First), 0) << First;
}

TEST_F(SkinFormTest, ANewHueAndANewSkinRepaintTheFrame) {
  const RECT Window = WindowRect();
  const std::vector<uint32_t> Before = ScreenPixels(Window);
  Engine->SetDeltaHue(120);
  Settle();
  ASSERT_TRUE(Frame->Skinned());
  const std::vector<uint32_t> Turned = ScreenPixels(WindowRect());
  int Changed = 0;
  for (size_t I = 0; I < Before.size() && I < Turned.size(); ++I)
    Changed += Before[I] != Turned[I];
  EXPECT_GT(Changed, 500);
  std::string First;
  EXPECT_EQ(MismatchesWithSkin(&First, true), 0) << "turned: " << First;

  // Another skin, through the engine's file: the frame takes its object, shape and insets,
  // and the client area keeps its size.
  Engine->SetDeltaHue(0);
  Engine->SetSkinFile(MIREVAN_DARK_SKIN);
  Settle();
  ASSERT_TRUE(Frame->Skinned());
  EXPECT_EQ(Engine->Source()->GetFormObject()->FindObject("CaptionCenter") != nullptr, true);
  EXPECT_EQ(ClientSize().cx, ClientW);
  EXPECT_EQ(ClientSize().cy, ClientH);
  EXPECT_EQ(Insets().top, 24); // the dark skin's caption is 24 high
  const std::unique_ptr<TSeSkinObject> Copy =
      LaidOutCopy(Frame->FrameWidth(), Frame->FrameHeight());
  EXPECT_EQ(Frame->GetFrameClientRect(), Copy->FindObjectByKind(skClient)->BoundsRect());
  EXPECT_EQ(MismatchesWithSkin(&First, true), 0) << "dark: " << First;
  // The form takes the skin's font and, where it has one, its colour.
  if (Engine->Source()->GetFormObject()->Color != clNone) {
    EXPECT_EQ(Form->Color(), Engine->Source()->GetFormObject()->Color);
  }
}

TEST_F(SkinFormTest, TheFrameAnswersAsTheSkinsFormAndSurvivesItsEngine) {
  const LRESULT Answer = SendMessageW(Form->Handle(), SE_GETSKINFORM, 0, 0);
  EXPECT_EQ(Answer, reinterpret_cast<LRESULT>(static_cast<TSeSkinFormLink*>(Frame)));
  // The copy's objects find the frame through the form's window.
  EXPECT_EQ(Frame->SkinCopy()->FindObject("CloseButton")->GetForm(),
            static_cast<TSeSkinFormLink*>(Frame));
  // A skin object asking for a repaint of the frame.
  SendMessageW(Form->Handle(), SE_OBJECTINVALIDATE, 0,
               reinterpret_cast<LPARAM>(Frame->SkinCopy()->FindObject("CloseButton")));

  Engine->Free();
  ASSERT_EQ(EngineRef->Get(), nullptr);
  EXPECT_EQ(Frame->SkinEngine(), nullptr);
  EXPECT_FALSE(Frame->Skinned());
  EXPECT_EQ(Frame->SkinCopy(), nullptr);
  Settle();
  // The plain frame from here on, at once, with the client area's size kept.
  EXPECT_EQ(Form->Color(), clBtnFace);
  EXPECT_EQ(ClientSize().cx, ClientW);
  EXPECT_EQ(ClientSize().cy, ClientH);
  EXPECT_EQ(Insets().top, GetSystemMetrics(SM_CXFRAME) + GetSystemMetrics(SM_CYCAPTION));
  EXPECT_EQ(HitAt(Frame->FrameWidth() / 2, Frame->FrameHeight() / 2), HTCLIENT);
}

// A skin whose form object has no client object: the object is the whole window.
class SkinWithoutClientTest : public SkinFormTest {
protected:
  void LoadSkin() override {
    LoadBuiltInSkin(*Engine);
    TSeSkinObject* Client = Engine->Source()->GetFormObject()->FindObjectByKind(skClient);
    ASSERT_NE(Client, nullptr);
    Client->Free();
    ASSERT_EQ(Engine->Source()->GetFormObject()->FindObjectByKind(skClient), nullptr);
  }
};

TEST_F(SkinWithoutClientTest, TheFormTakesTheSkinObjectsSizeAndKeepsIt) {
  ASSERT_TRUE(Frame->Skinned());
  const TSeSkinObject* Object = Engine->Source()->GetFormObject();
  const auto Check = [&](const char* When) {
    const RECT Window = WindowRect();
    EXPECT_EQ(Window.right - Window.left, Object->Width()) << When;
    EXPECT_EQ(Window.bottom - Window.top, Object->Height()) << When;
    EXPECT_EQ(ClientSize().cx, Object->Width()) << When; // no frame around the client area
    EXPECT_EQ(ClientSize().cy, Object->Height()) << When;
    EXPECT_EQ(Frame->GetFrameClientRect(), (TRect{0, 0, Object->Width(), Object->Height()}))
        << When;
  };
  Check("loaded");
  // A new hue attaches the skin again; the size stays.
  Engine->SetDeltaHue(60);
  Settle();
  Check("after a new hue");
}

// No engine: the frame is the plain one.
class SkinFormWithoutEngineTest : public SkinFormTest {
protected:
  void BeforeLoading() override { UseEngine = false; }
};

TEST_F(SkinFormWithoutEngineTest, LooksAndAnswersAsThePlainFrame) {
  EXPECT_FALSE(Frame->Skinned());
  const int B = GetSystemMetrics(SM_CXFRAME), C = GetSystemMetrics(SM_CYCAPTION);
  const RECT In = Insets();
  EXPECT_EQ(In.left, B);
  EXPECT_EQ(In.top, B + C);
  EXPECT_EQ(In.right, B);
  EXPECT_EQ(In.bottom, B);
  EXPECT_EQ(ClientSize().cx, ClientW);
  EXPECT_FALSE(Frame->GetButtonRect(fzClose).IsEmpty());
  const TRect Close = Frame->GetButtonRect(fzClose);
  EXPECT_EQ(HitAt(Close.Left + 2, Close.Top + 2), HTCLOSE);
  EXPECT_EQ(HitAt(Frame->FrameWidth() / 2, 1), HTTOP);
  EXPECT_EQ(Form->Color(), clBtnFace);
  // Given the engine later, it wears the skin, the client area keeping its size.
  Frame->SetSkinEngine(Engine);
  Settle();
  EXPECT_TRUE(Frame->Skinned());
  EXPECT_EQ(Insets().top, 22);
  EXPECT_EQ(ClientSize().cx, ClientW);
  EXPECT_EQ(ClientSize().cy, ClientH);
}

// The screen behind the form is one known colour.
class SkinFormOverBackdropTest : public SkinFormTest {
protected:
  static constexpr COLORREF BackdropRef = RGB(0x30, 0xA0, 0x60);
  static constexpr TsePixel BackdropPixel = 0xFF30A060;
  void BeforeShowing() override {
    Backdrop =
        std::make_unique<TBackdrop>(RECT{Left - 60, Top - 60, Left + 600, Top + 500}, BackdropRef);
    PumpFor(60);
  }
  void TearDown() override {
    SkinFormTest::TearDown();
    Backdrop.reset();
  }
  std::unique_ptr<TBackdrop> Backdrop;
};

class SkinFormShadowTest : public SkinFormOverBackdropTest {
protected:
  void BeforeLoading() override {
    Frame->SetPerformance(Performance);
    Frame->Shadow().SetSize(4);
    Frame->Shadow().SetEnabled(true);
  }
  void CheckShadow();
  TSeFormPerformance Performance = qzfpDoubleBuffer;
};

// Unbuffered, the shadow still needs a surface: the frame is mixed there too, caption text
// and icon included.
class SkinFormShadowNoBufferTest : public SkinFormShadowTest {
protected:
  void BeforeLoading() override {
    Performance = qzfpNoBuffer;
    SkinFormShadowTest::BeforeLoading();
  }
};

TEST_F(SkinFormShadowTest, TheShadowIsTheGradedBlendOverTheScreenBehind) { CheckShadow(); }
TEST_F(SkinFormShadowNoBufferTest, TheShadowIsTheGradedBlendOverTheScreenBehind) { CheckShadow(); }

void SkinFormShadowTest::CheckShadow() {
  ASSERT_TRUE(Frame->Skinned());
  const int S = 4;
  ASSERT_EQ(Frame->ShadowDepth(), S);
  const int W = Frame->FrameWidth(), H = Frame->FrameHeight();
  const RECT Window = WindowRect();
  ASSERT_EQ(Window.right - Window.left, W + S);
  ASSERT_EQ(Window.bottom - Window.top, H + S);
  EXPECT_EQ(ClientSize().cx, ClientW);
  // The screen behind the form before it appeared.
  TseBitmap Behind;
  Behind.SetSize(W + S, H + S);
  Behind.Clear(BackdropPixel);
  TseBitmap Expected;
  Expected.SetSize(W + S, H + S);
  PaintFrameShadow(Expected, &Behind, Frame->GetFrameClientRect(), W, H, S, true);
  GdiFlush();
  // Right of and below the frame, inside the window's shape (which also holds the frame's
  // own shape moved by S), the screen shows the shadow merged over the backdrop.
  const std::vector<uint32_t> Shown = ScreenPixels(Window);
  const TRegionHandle Shape = WindowShape();
  ASSERT_NE(Shape, nullptr);
  int Checked = 0, Mismatches = 0, Darker = 0;
  std::string First;
  for (int Y = 0; Y < H + S; ++Y)
    for (int X = 0; X < W + S; ++X) {
      if ((X < W && Y < H) || !PtInRegion(Shape.get(), X, Y))
        continue;
      ++Checked;
      const uint32_t Is = Shown[static_cast<size_t>(Y * (W + S) + X)];
      const uint32_t Want = Expected.GetPixel(X, Y) & 0xFFFFFF;
      Darker += Want != (BackdropPixel & 0xFFFFFF);
      if (Is != Want && Mismatches++ == 0) {
        char Text[96];
        snprintf(Text, sizeof Text, "(%d, %d): %06X instead of %06X", X, Y, Is, Want);
        First = Text;
      }
    }
  EXPECT_GT(Checked, 2 * S * 100);
  EXPECT_GT(Darker, Checked / 2); // the expectation is a shadow, not the backdrop
  EXPECT_EQ(Mismatches, 0) << First;
  // The deepest part of the band: the shadow colour at half strength over the backdrop.
  const uint32_t Deep = Shown[static_cast<size_t>((H / 2) * (W + S) + W)];
  EXPECT_EQ(Deep, BlendPixel(ShadowColor, BackdropPixel) & 0xFFFFFF);
  // And the frame itself still shows the skin.
  EXPECT_EQ(MismatchesWithSkin(&First, true), 0) << First;
}

class SkinFormBlendingTest : public SkinFormOverBackdropTest {
protected:
  void BeforeLoading() override {
    Frame->SetPerformance(qzfpDoubleBuffer);
    Frame->Blending().SetValue(128);
    Frame->Blending().SetEnabled(true);
  }
};

TEST_F(SkinFormBlendingTest, TheFrameIsMixedHalfAndHalfWithTheScreenBehind) {
  ASSERT_TRUE(Frame->Skinned());
  const std::vector<uint32_t> Picture = SkinPicture();
  const std::vector<uint32_t> OverWhite = SkinPicture(false, 0xFFFFFFFF);
  const int W = Frame->FrameWidth();
  int Different = 0;
  for (const uint32_t Pixel : Picture)
    Different += Pixel != (BackdropPixel & 0xFFFFFF);
  ASSERT_GT(Different, 1000);
  std::string First;
  EXPECT_EQ(FrameMismatches(
                [&](int X, int Y) {
                  const size_t I = static_cast<size_t>(Y * W + X);
                  if (Picture[I] != OverWhite[I])
                    return AnyPixel; // the skin's art is translucent there
                  return BlendPixel(Picture[I] | 0x80000000u, BackdropPixel);
                },
                &First),
            0)
      << First;
  // The mix itself, for one pixel of the caption.
  const POINT P = ObjectCentre("CaptionCenter");
  const uint32_t Own = Picture[static_cast<size_t>(P.y * W + P.x)];
  const RECT Window = WindowRect();
  const uint32_t Shown = ScreenPixels(
      {Window.left + P.x, Window.top + P.y, Window.left + P.x + 1, Window.top + P.y + 1})[0];
  for (const int Shift : {0, 8, 16}) {
    const int Mix = (static_cast<int>((Own >> Shift) & 0xFF) +
                     static_cast<int>((BackdropPixel >> Shift) & 0xFF)) /
                    2;
    EXPECT_NEAR(static_cast<int>((Shown >> Shift) & 0xFF), Mix, 1) << Shift;
  }
}

class SkinFormShowTest : public SkinFormTest {};

TEST_F(SkinFormShowTest, TheShowTransitionTakesItsTimeAndEndsOnThePaintedFrame) {
  const auto ShowTakes = [&] {
    Form->SetVisible(false);
    PumpUntil([&] { return !IsWindowVisible(Form->Handle()); }, 1000);
    PumpFor(50);
    const auto Start = std::chrono::steady_clock::now();
    Form->Show();
    PumpUntil([&] { return IsWindowVisible(Form->Handle()) != FALSE; }, 3000);
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 Start)
        .count();
  };
  const auto Plain = ShowTakes();
  EXPECT_LT(Plain, 300);
  Frame->Animation().SetTime(400);
  Frame->Animation().SetEffectKind("Fade");
  Frame->Animation().SetEnabled(true);
  const auto Animated = ShowTakes();
  EXPECT_GE(Animated, 380);
  EXPECT_LE(Animated, 1500);
  EXPECT_TRUE(IsWindowVisible(Form->Handle()));
  Settle();
  std::string First;
  EXPECT_EQ(MismatchesWithSkin(&First, true), 0) << First;
}

} // namespace

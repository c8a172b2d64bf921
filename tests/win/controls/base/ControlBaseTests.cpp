// The skinned controls' base on real windows: window hooks and their registry, the paint
// pipeline in its three buffering modes, see-through painting, blending, the frame.

#include <windows.h>

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "controls/base/ControlHook.h"
#include "controls/base/HookList.h"
#include "controls/base/ParentBackground.h"
#include "controls/base/SeCustomControl.h"
#include "controls/base/SeGraphicControl.h"
#include "controls/base/SeHook.h"
#include "gfx/Pixels.h"
#include "gfx/VisualStyles.h"
#include "tests/win/support/DibShot.h"
#include "tests/win/support/RecreatedControl.h"
#include "tests/win/support/WinTestSupport.h"
#include "toolkit/ErrorReport.h"
#include "toolkit/Forms.h"

namespace {

std::vector<std::string> GReported;
void RecordReport(const std::exception& E) { GReported.emplace_back(E.what()); }

std::vector<std::string> GSeen;

constexpr UINT WM_PROBE = WM_APP + 40;

// A hook that logs the probe message and swallows it when told to.
class TLoggingHook : public TSeHook {
public:
  using TSeHook::TSeHook;
  bool Swallow = false;
  bool Throw = false;
  void Dispatch(TMessage& Message) override {
    if (Message.Msg != WM_PROBE)
      return;
    GSeen.push_back(Name() + " before");
    if (Throw)
      throw Exception(Name() + " failed");
    if (Swallow) {
      Message.Result = 7;
      SetHandled();
    }
  }
  void AfterMessage(TMessage& Message) override {
    if (Message.Msg == WM_PROBE)
      GSeen.push_back(Name() + " after");
  }
};

// A window that answers the probe itself.
class TTarget : public TRecreatedControl {
public:
  using TRecreatedControl::TRecreatedControl;
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override {
    if (Msg == WM_PROBE) {
      GSeen.push_back("window");
      return 3;
    }
    return TRecreatedControl::WndProc(Msg, WParam, LParam);
  }
};

class HookTest : public ::testing::Test {
protected:
  void SetUp() override {
    Application->Initialize();
    SetExceptionReporter(RecordReport);
    GReported.clear();
    GSeen.clear();
    Form = MakeComponent<TForm>(Application);
    Form->Position = TPosition::poDesigned;
    Form->SetBounds(100, 100, 300, 200);
    Target = MakeComponent<TTarget>(Form);
    Target->SetBounds(10, 10, 100, 50);
    Target->SetParent(Form);
    Form->Show();
    PumpFor(20);
  }
  void TearDown() override {
    Form->Free();
    PumpFor(20); // deferred releases
  }
  TLoggingHook* Hook(const char* Name) {
    auto* Made = MakeComponent<TLoggingHook>(Form);
    Made->SetName(Name);
    Made->SetControl(Target);
    return Made;
  }
  LRESULT Probe() { return SendMessageW(Target->Handle(), WM_PROBE, 0, 0); }

  TApplicationScope App;
  TForm* Form = nullptr;
  TTarget* Target = nullptr;
};

TEST_F(HookTest, TheHookRegisteredLastSeesAMessageFirst) {
  Hook("first");
  Hook("second");
  EXPECT_EQ(Probe(), 3);
  EXPECT_EQ(GSeen, (std::vector<std::string>{"second before", "first before", "window",
                                             "second after", "first after"}));
  // Both clients share one link of the window's chain.
  EXPECT_EQ(HookList().FindHook(Target)->ClientCount(), 2);
}

TEST_F(HookTest, AHookThatHandlesAMessageHidesItFromTheEarlierOnesAndTheWindow) {
  Hook("first");
  Hook("second")->Swallow = true;
  EXPECT_EQ(Probe(), 7);
  EXPECT_EQ(GSeen, std::vector<std::string>{"second before"});
}

TEST_F(HookTest, AFailingClientIsReportedAndTheOthersStillSeeTheMessage) {
  Hook("first");
  Hook("second")->Throw = true;
  EXPECT_EQ(Probe(), 3);
  EXPECT_EQ(GReported, std::vector<std::string>{"second failed"});
  EXPECT_EQ(GSeen, (std::vector<std::string>{"second before", "first before", "window",
                                             "second after", "first after"}));
}

TEST_F(HookTest, AnInactiveHookSeesNothingAndTheLastClientsReleaseWaitsForTheRegistry) {
  auto* First = Hook("first");
  auto* Second = Hook("second");
  Second->SetActive(false);
  Probe();
  EXPECT_EQ(GSeen, (std::vector<std::string>{"first before", "window", "first after"}));
  TControlHook* Link = HookList().FindHook(Target);
  ASSERT_NE(Link, nullptr);
  First->SetActive(false);
  // Uninstalled at once, freed when the registry's window takes its message.
  EXPECT_FALSE(Link->Installed());
  EXPECT_TRUE(HookList().Registered(Link));
  PumpFor(20);
  EXPECT_EQ(HookList().FindHook(Target), nullptr);
  GSeen.clear();
  Probe();
  EXPECT_EQ(GSeen, std::vector<std::string>{"window"});
}

TEST_F(HookTest, AReCreatedWindowGetsItsHookBackWithoutAnyClientActing) {
  Hook("first");
  const HWND Old = Target->Handle();
  Target->SetBordered(true); // a style only creation can set
  ASSERT_NE(Target->Handle(), Old);
  PumpFor(20); // the registry's deferred re-install
  GSeen.clear();
  Probe();
  EXPECT_EQ(GSeen, (std::vector<std::string>{"first before", "window", "first after"}));
}

TEST_F(HookTest, AFreedTargetTakesItsHooksAlong) {
  auto* First = Hook("first");
  Target->Free();
  EXPECT_EQ(First->Control(), nullptr);
  PumpFor(20);
  EXPECT_EQ(HookList().Count(), 0);
}

// --- The paint pipeline

constexpr uint32_t Rgb(TColor Color) {
  return ((Color & 0xFF) << 16) | (Color & 0xFF00) | ((Color >> 16) & 0xFF);
}

// A parent with a skin-like background: vertical stripes of two colours, 3 pixels wide.
class TStriped : public TSeCustomControl {
public:
  using TSeCustomControl::TSeCustomControl;
  static constexpr TColor A = 0x00336699, B = 0x00CC8844;

protected:
  void PaintClient() override {
    const RECT Inner = GetInnerRect();
    for (int X = Inner.left; X < Inner.right; X += 3) {
      Canvas().Brush.Color = (X / 3) % 2 ? B : A;
      Canvas().FillRect({X, Inner.top, std::min<int>(X + 3, Inner.right), Inner.bottom});
    }
  }
};

// A control with a frame and a content mark: a 4 x 4 square at (6, 6) of the inner area.
class TMarked : public TSeCustomControl {
public:
  using TSeCustomControl::GetInnerRect;
  using TSeCustomControl::TSeCustomControl;

protected:
  void PaintClient() override {
    TSeCustomControl::PaintClient();
    const RECT Inner = GetInnerRect();
    Canvas().Brush.Color = 0x000000FF;
    Canvas().FillRect({Inner.left + 6, Inner.top + 6, Inner.left + 10, Inner.top + 10});
  }
};

class PaintTest : public ::testing::Test {
protected:
  void SetUp() override {
    Application->Initialize();
    SetExceptionReporter(RecordReport);
    Form = MakeComponent<TForm>(Application);
    Form->Position = TPosition::poDesigned;
    Form->SetBounds(120, 120, 360, 260);
    Parent = MakeComponent<TStriped>(Form);
    Parent->SetBounds(10, 10, 300, 180);
    Parent->SetParent(Form);
    Control = MakeComponent<TMarked>(Form);
    Control->SetBounds(31, 22, 80, 50);
    Control->SetParent(Parent);
    Form->Show();
    PumpFor(20);
  }
  void TearDown() override { Form->Free(); }

  // The control's own picture, as its window paints it.
  static std::vector<uint32_t> Render(TWinControl* Painted) {
    return PrintClient(Painted->Handle(), Painted->Width(), Painted->Height());
  }
  uint32_t ParentPixel(int X, int /*Y*/) const {
    return Rgb(((X + Control->Left()) / 3) % 2 ? TStriped::B : TStriped::A);
  }
  uint32_t At(const std::vector<uint32_t>& Pixels, int X, int Y) const {
    return Pixels[static_cast<size_t>(Y * Control->Width() + X)];
  }

  TApplicationScope App;
  TForm* Form = nullptr;
  TStriped* Parent = nullptr;
  TMarked* Control = nullptr;
};

TEST_F(PaintTest, TheThreeBufferingModesGiveTheSamePixels) {
  Control->SetTransparent(true);
  Control->SetBevelWidth(2);
  Control->SetBevelOuter(qbvRaised);
  Control->SetBorderWidth(1);
  Control->SetColor(0x0000C000);
  std::vector<std::vector<uint32_t>> Pictures;
  for (const TSePerformance Mode : {qzpNoBuffer, qzpSharedBuffer, qzpDoubleBuffer}) {
    Control->SetPerformance(Mode);
    Pictures.push_back(Render(Control));
  }
  EXPECT_EQ(Pictures[0], Pictures[1]);
  EXPECT_EQ(Pictures[0], Pictures[2]);
  // And they show what they should: the parent through the inner area, the mark on it.
  const std::vector<uint32_t>& P = Pictures[0];
  const RECT Inner = Control->GetInnerRect();
  EXPECT_EQ(Inner.left, 1 + 4);
  EXPECT_EQ(At(P, Inner.left + 1, Inner.top + 1), ParentPixel(Inner.left + 1, Inner.top + 1));
  EXPECT_EQ(At(P, Inner.left + 2, Inner.top + 1), ParentPixel(Inner.left + 2, Inner.top + 1));
  EXPECT_EQ(At(P, Inner.left + 7, Inner.top + 7), 0xFF0000u);
}

TEST_F(PaintTest, AnOpaqueControlFillsItsInnerAreaWithItsColour) {
  Control->SetColor(0x00204060);
  for (const TSePerformance Mode : {qzpNoBuffer, qzpSharedBuffer, qzpDoubleBuffer}) {
    Control->SetPerformance(Mode);
    const std::vector<uint32_t> P = Render(Control);
    EXPECT_EQ(At(P, 0, 0), 0x604020u) << Mode;
    EXPECT_EQ(At(P, 79, 49), 0x604020u) << Mode;
    EXPECT_EQ(At(P, 7, 7), 0xFF0000u) << Mode;
  }
}

TEST_F(PaintTest, BlendingAt128IsTheMergeOfTheControlOverItsParent) {
  Control->SetColor(0x00F0A010);
  TSeBlending Blend;
  Blend.SetEnabled(true);
  Blend.SetValue(128);
  Control->SetBlending(Blend);
  EXPECT_EQ(Control->Performance(), qzpDoubleBuffer); // blending needs a buffer
  for (const TSePerformance Mode : {qzpDoubleBuffer, qzpSharedBuffer}) {
    Control->SetPerformance(Mode);
    const std::vector<uint32_t> P = Render(Control);
    for (const POINT Spot : {POINT{0, 0}, POINT{2, 5}, POINT{3, 5}, POINT{40, 30}, POINT{7, 7}}) {
      const uint32_t Over = Spot.x == 7 ? 0xFF0000u : Rgb(0x00F0A010);
      const uint32_t Expected =
          BlendPixel(0x80000000u | Over, 0xFF000000u | ParentPixel(Spot.x, Spot.y)) & 0xFFFFFF;
      EXPECT_EQ(At(P, Spot.x, Spot.y), Expected) << Mode << " at " << Spot.x << "," << Spot.y;
    }
  }
}

TEST_F(PaintTest, ATransparentWindowlessControlShowsItsParentToo) {
  class TFlat : public TSeGraphicControl {
  public:
    using TSeGraphicControl::TSeGraphicControl;
  };
  auto* Flat = MakeComponent<TFlat>(Form);
  Flat->SetBounds(100, 30, 40, 20);
  Flat->SetParent(Parent);
  Flat->SetTransparent(true);
  Control->SetVisible(false);
  for (const TSePerformance Mode : {qzpNoBuffer, qzpSharedBuffer, qzpDoubleBuffer}) {
    Flat->SetPerformance(Mode);
    TDibShot Shot(300, 180);
    SendMessageW(Parent->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Shot.DC()), PRF_CLIENT);
    for (int X = 100; X < 140; X += 7)
      EXPECT_EQ(Shot.Pixel(X, 35), Rgb((X / 3) % 2 ? TStriped::B : TStriped::A)) << Mode;
  }
}

// A form frame that paints the form's client background: one colour, to tell it apart.
class TFrameStandIn : public TSeHook {
public:
  using TSeHook::TSeHook;
  bool IsFormFrame() const override { return true; }
  RECT Clip{};
  void Dispatch(TMessage& Message) override {
    if (Message.Msg != WM_ERASEBKGND || !Message.LParam)
      return;
    const auto DC = reinterpret_cast<HDC>(Message.WParam);
    GetClipBox(DC, &Clip);
    const RECT Everything{-1000, -1000, 1000, 1000};
    const HBRUSH Brush = CreateSolidBrush(0x0000AAFF);
    FillRect(DC, &Everything, Brush);
    DeleteObject(Brush);
    Message.Result = 1;
    SetHandled();
  }
};

TEST_F(PaintTest, OnAFormWithAnActiveFrameAnUnbufferedControlAsksTheFrameClippedToItself) {
  auto* Frame = MakeComponent<TFrameStandIn>(Form);
  auto* OnForm = MakeComponent<TMarked>(Form);
  OnForm->SetBounds(200, 150, 40, 30);
  OnForm->SetParent(Form);
  OnForm->SetTransparent(true);
  const std::vector<uint32_t> P = Render(OnForm);
  EXPECT_EQ(P[0], Rgb(0x0000AAFF));
  EXPECT_EQ(P[static_cast<size_t>(29 * 40 + 39)], Rgb(0x0000AAFF));
  EXPECT_EQ(Frame->Clip.left, 200); // the form's coordinates, cut to the control
  EXPECT_EQ(Frame->Clip.top, 150);
  EXPECT_EQ(Frame->Clip.right, 240);
  EXPECT_EQ(Frame->Clip.bottom, 180);
  // An inactive frame is passed over: the form's window paints its colour.
  Frame->SetActive(false);
  Form->SetColor(0x00102030);
  const std::vector<uint32_t> Plain = Render(OnForm);
  EXPECT_EQ(Plain[0], Rgb(0x00102030));
}

// --- The frame

TEST_F(PaintTest, BevelsAndBorderLieWhereTheirWidthsSay) {
  Control->SetThemeBorder(false); // the bevels, also where visual styles are on
  Control->SetColor(0x00000000);
  Control->SetBevelWidth(2);
  Control->SetBorderWidth(1);
  struct TCase {
    TSeBevelCut Outer, Inner;
    TColor Lines[4]; // outer left/top, outer right/bottom, inner left/top, inner right/bottom
  };
  const TCase Cases[] = {
      {qbvLowered, qbvLowered, {clBtnShadow, clBtnHighlight, cl3DDkShadow, clBtnFace}},
      {qbvRaised, qbvRaised, {clBtnHighlight, cl3DDkShadow, clBtnShadow, clBtnShadow}},
      {qbvSpace, qbvSpace, {clBtnFace, clBtnFace, clBtnFace, clBtnFace}},
      {qbvBorder, qbvBorder, {cl3DDkShadow, cl3DDkShadow, clWindow, clWindow}},
      {qbvFlatBorder, qbvFlatBorder, {clBtnShadow, clBtnShadow, clBtnFace, clBtnFace}},
  };
  for (const TCase& Case : Cases) {
    Control->SetBevelOuter(Case.Outer);
    Control->SetBevelInner(Case.Inner);
    const std::vector<uint32_t> P = Render(Control);
    const auto Color = [](TColor C) { return ColorToRGB(C) & 0xFFFFFF; };
    const auto Bgr = [&](TColor C) { return Rgb(static_cast<TColor>(Color(C))); };
    // Rings 0-1 outer, 2-3 inner, 4 the border; the middle of each side.
    for (int Ring = 0; Ring < 5; ++Ring) {
      const uint32_t TopLeft = Ring < 2 ? Bgr(Case.Lines[0]) : Ring < 4 ? Bgr(Case.Lines[2]) : 0;
      const uint32_t BottomRight = Ring < 2   ? Bgr(Case.Lines[1])
                                   : Ring < 4 ? Bgr(Case.Lines[3])
                                              : 0;
      EXPECT_EQ(At(P, Ring, 25), TopLeft) << Case.Outer << " ring " << Ring << " left";
      EXPECT_EQ(At(P, 40, Ring), TopLeft) << Case.Outer << " ring " << Ring << " top";
      EXPECT_EQ(At(P, 79 - Ring, 25), BottomRight) << Case.Outer << " ring " << Ring << " right";
      EXPECT_EQ(At(P, 40, 49 - Ring), BottomRight) << Case.Outer << " ring " << Ring << " bottom";
    }
  }
}

TEST_F(PaintTest, WithVisualStylesTheThemesEditFrameReplacesTheBevels) {
  if (!VisualStylesActive())
    GTEST_SKIP() << "visual styles are off here";
  Control->SetBevelWidth(2);
  Control->SetColor(0x00000000);
  const std::vector<uint32_t> P = Render(Control);
  TDibShot Theme(80, 50);
  const RECT All{0, 0, 80, 50};
  ASSERT_TRUE(DrawThemePart(Control->Handle(), Theme.DC(), L"Edit", 1, 1, All));
  for (const POINT Spot : {POINT{0, 25}, POINT{40, 0}, POINT{79, 25}, POINT{40, 49}, POINT{1, 1}})
    EXPECT_EQ(At(P, Spot.x, Spot.y), Theme.Pixel(Spot.x, Spot.y)) << Spot.x << "," << Spot.y;
  EXPECT_EQ(At(P, 40, 25), 0u); // inside: the control's own colour
}

TEST_F(PaintTest, AControlWithoutBorderOrBevelDrawsNoFrame) {
  Control->SetColor(0x00123456);
  Control->SetBevelWidth(0);
  Control->SetBorderWidth(0);
  const std::vector<uint32_t> P = Render(Control);
  EXPECT_EQ(At(P, 0, 0), Rgb(0x00123456));
  EXPECT_EQ(At(P, 79, 49), Rgb(0x00123456));
  const RECT Inner = Control->GetInnerRect();
  EXPECT_EQ(Inner.right - Inner.left, 80);
}

TEST_F(PaintTest, FramePropertiesFollowTheirRules) {
  // Only the sides in BevelSides shrink, by the width per bevel present.
  Control->SetBevelWidth(2);
  Control->SetBevelSides((1 << qbsLeft) | (1 << qbsBottom));
  RECT Inner = Control->GetInnerRect();
  EXPECT_EQ(Inner.left, 4);
  EXPECT_EQ(Inner.top, 0);
  EXPECT_EQ(Inner.right, 80);
  EXPECT_EQ(Inner.bottom, 46);
  Control->SetBevelInner(qbvNone);
  EXPECT_EQ(Control->GetInnerRect().left, 2);
  // Kinds set both cuts; a cut set directly ends the kind.
  Control->SetBevelKind(qbkFlat);
  EXPECT_EQ(Control->BevelInner(), qbvFlatBorder);
  EXPECT_EQ(Control->BevelOuter(), qbvFlatBorder);
  Control->SetBevelInner(qbvRaised);
  EXPECT_EQ(Control->BevelKind(), qbkNone);
  Control->SetBevelKind(qbkBorder);
  EXPECT_EQ(Control->BevelOuter(), qbvBorder);
  // The client area is the inner rectangle.
  const RECT Client = Control->ClientRect();
  Inner = Control->GetInnerRect();
  EXPECT_TRUE(EqualRect(&Client, &Inner));
  // Enabled blending keeps a buffer.
  TSeBlending Blend;
  Blend.SetEnabled(true);
  Control->SetBlending(Blend);
  EXPECT_EQ(Control->Performance(), qzpDoubleBuffer);
  Control->SetPerformance(qzpNoBuffer);
  EXPECT_EQ(Control->Performance(), qzpDoubleBuffer);
  Control->Blending().SetEnabled(false);
  Control->SetPerformance(qzpNoBuffer);
  EXPECT_EQ(Control->Performance(), qzpNoBuffer);
  Control->Blending().SetEnabled(true); // the change callback promotes as well
  EXPECT_EQ(Control->Performance(), qzpDoubleBuffer);
}

TEST_F(PaintTest, TheSystemNeverErasesASkinnedControlAndChildrenGetItsPicture) {
  // Erase without a request: reported done, nothing painted.
  TDibShot Shot(80, 50);
  const RECT All{0, 0, 80, 50};
  const HBRUSH White = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  FillRect(Shot.DC(), &All, White);
  EXPECT_EQ(SendMessageW(Control->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(Shot.DC()), 0),
            1);
  EXPECT_EQ(Shot.Pixel(40, 25), 0xFFFFFFu);
  // With a request: the control's own picture.
  TSeParentBackgroundRequest Request;
  Control->SetColor(0x00445566);
  EXPECT_EQ(Control->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(Shot.DC()),
                             reinterpret_cast<LPARAM>(&Request)),
            1);
  EXPECT_EQ(Shot.Pixel(40, 25), Rgb(0x00445566));
  EXPECT_EQ(Shot.Pixel(7, 7), 0xFF0000u);
}

} // namespace

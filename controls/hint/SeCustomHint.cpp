#include "controls/hint/SeCustomHint.h"

#include <algorithm>
#include <vector>

#include "controls/hint/SeHintWindow.h"
#include "gfx/Shapes.h"
#include "gfx/SkinText.h"
#include "gfx/VisualStyles.h"
#include "toolkit/AnsiText.h"
#include "toolkit/Published.h"

namespace {

// The hint components that exist, in the order they were made.
std::vector<TSeCustomHint*>& LiveHints() {
  static std::vector<TSeCustomHint*> Hints;
  return Hints;
}

// The component whose window class and show-hint handler the application has now.
TSeCustomHint* GInstalled = nullptr;

// Library start: the hint font is made.
const bool GStarted = [] {
  HintFont();
  return true;
}();

} // namespace

TSeCustomHint* CurrentHint() { return LiveHints().empty() ? nullptr : LiveHints().back(); }

TSeCustomHint* AsHintComponent(void* Data) {
  const auto& Hints = LiveHints();
  const auto Found = std::find_if(Hints.begin(), Hints.end(), [Data](TSeCustomHint* Hint) {
    return static_cast<void*>(Hint) == Data;
  });
  return Found == Hints.end() ? nullptr : *Found;
}

const TFont& HintFont() {
  static const TFont Font = [] {
    TFont Made;
    NONCLIENTMETRICSW Metrics{};
    Metrics.cbSize = sizeof Metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof Metrics, &Metrics, 0))
      AssignLogFont(Made, Metrics.lfStatusFont);
    Made.SetColor(clInfoText);
    return Made;
  }();
  return Font;
}

UINT HintReadingFlags() {
  const THintWindow* Window = Application ? Application->HintWindow() : nullptr;
  return Window ? Window->DrawTextBiDiModeFlagsReadingOnly() : 0;
}

void PaintPlainHint(TCanvas& Canvas, const TRect& Rect, const std::string& Text) {
  FillRectColor(Canvas, Rect, Application ? Application->HintColor : clInfoBk);
  if (VisualStylesActive())
    DrawRectOutline(Canvas, Rect, clBtnShadow);
  else
    DrawEdgeLines(Canvas, Rect, cl3DLight, cl3DDkShadow);
  // The text's block, centred in the rectangle.
  const std::wstring Shown = WindowText(Text);
  const UINT Format = DT_WORDBREAK | DT_CENTER | DT_NOPREFIX | HintReadingFlags();
  TRect Block = Rect;
  DrawSkinText(Canvas, Shown, Block, Format | DT_CALCRECT);
  const int Left = Rect.Left + (Rect.Width() - Block.Width()) / 2;
  const int Top = Rect.Top + (Rect.Height() - Block.Height()) / 2;
  Block = {Left, Top, Left + Block.Width(), Top + Block.Height()};
  DrawSkinText(Canvas, Shown, Block, Format);
}

TSeCustomHint::TSeCustomHint(TComponent* AOwner) : TComponent(AOwner) {
  LiveHints().push_back(this);
}

TSeCustomHint::~TSeCustomHint() {
  Uninstall();
  std::erase(LiveHints(), this);
}

const TPropTable& TSeCustomHint::Properties() {
  using H = TSeCustomHint;
  static const TPropTable Table(
      nullptr, {AccessorProp<H>("Active", TPropKind::pkBoolean, &H::Active, &H::SetActive),
                ObjectProp<H>("Animation", &H::FAnimation),
                ObjectProp<H>("Blending", &H::FBlending), ObjectProp<H>("Shadow", &H::FShadow)});
  return Table;
}

void TSeCustomHint::Loaded() {
  TComponent::Loaded();
  if (FActive)
    Install();
}

void TSeCustomHint::BeforeDestruction() {
  Uninstall();
  TComponent::BeforeDestruction();
}

void TSeCustomHint::SetActive(bool Value) {
  if (Value == FActive)
    return;
  FActive = Value;
  if (Loading())
    return;
  if (FActive)
    Install();
  else
    Uninstall();
}

void TSeCustomHint::Install() {
  if (FInstalled || !Application || Destroying())
    return;
  // The main form's other hints; while the first form is still being made (its layout loads
  // before the application names it the main form), the hints of the form that holds this one.
  TForm* Main = Application->MainForm();
  if (!Main)
    Main = dynamic_cast<TForm*>(Owner());
  if (Main)
    for (int I = 0; I < Main->ComponentCount(); ++I) {
      auto* Other = dynamic_cast<TSeCustomHint*>(Main->Components(I));
      if (Other && Other != this && Other->Active())
        Other->SetActive(false);
    }
  // One installed at a time, wherever it sits: what it keeps is put back before this one
  // keeps the application's own.
  if (GInstalled)
    GInstalled->SetActive(false);
  FPreviousClass = Application->HintWindowClass;
  Application->HintWindowClass = NewHintWindow<TSeHintWindow>;
  Application->SetShowHint(false);
  Application->SetShowHint(true);
  FPreviousShowHint = std::move(Application->OnShowHint);
  Application->OnShowHint = [this](std::string& HintStr, bool& CanShow, THintInfo& HintInfo) {
    DoShowHint(HintStr, CanShow, HintInfo);
  };
  FInstalled = true;
  GInstalled = this;
}

void TSeCustomHint::Uninstall() {
  if (!FInstalled)
    return;
  FInstalled = false;
  if (GInstalled == this)
    GInstalled = nullptr;
  if (!Application)
    return;
  Application->OnShowHint = std::move(FPreviousShowHint);
  FPreviousShowHint = nullptr;
  Application->HintWindowClass = FPreviousClass;
  // A window of the class put back, unless the application is going itself.
  if (!Application->Destroying()) {
    Application->SetShowHint(false);
    Application->SetShowHint(true);
  }
}

void TSeCustomHint::DoShowHint(std::string& HintStr, bool& CanShow, THintInfo& HintInfo) {
  HintInfo.HintData = this;
  if (OnShowHint)
    OnShowHint(HintStr, CanShow, HintInfo);
}

TPoint TSeCustomHint::MeasuringMargins(TCanvas&) { return {6, 6}; }

TRect TSeCustomHint::CalcRect(TCanvas& Canvas, const std::string& Text) {
  const TPoint Margins = MeasuringMargins(Canvas);
  TRect Result{0, 0, 1000, 1000};
  DrawSkinText(Canvas, WindowText(Text), Result,
               DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | HintReadingFlags());
  Result.Right += Margins.X;
  Result.Bottom += Margins.Y;
  if (FShadow.Enabled()) {
    Result.Right += FShadow.Size();
    Result.Bottom += FShadow.Size();
  }
  return Result;
}

void TSeCustomHint::Paint(TCanvas& Canvas, const TRect& Rect, const std::string& Text) {
  PaintPlainHint(Canvas, Rect, Text);
}

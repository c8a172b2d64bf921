#pragma once
// The hint component: placed on the main form, it makes every hint of the application show
// in the library's hint window (TSeHintWindow) and hands itself to each hint as its data, so
// that the window takes its translucency, shadow and show transition and lets it measure and
// paint the text. This class paints plainly; the skinned hint derives from it.

#include <string>

#include "controls/base/EffectOptions.h"
#include "toolkit/Forms.h"
#include "toolkit/Types.h"

class TSeCustomHint : public TComponent {
public:
  explicit TSeCustomHint(TComponent* AOwner);
  ~TSeCustomHint() override;
  std::string ClassName() const override { return "TSeCustomHint"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }
  void Loaded() override;
  void BeforeDestruction() override;

  // True (the default) at run time: the application's hints show in the library's window and
  // the application's show-hint handler is this component's; what they were is kept and put
  // back when it turns false or the component goes. Any other active hint component of the
  // main form turns inactive, so that one alone is. While loading, only stored.
  bool Active() const { return FActive; }
  void SetActive(bool Value);
  // What the hint window takes from the component as it shows.
  TSeAnimation& Animation() { return FAnimation; }
  TSeBlending& Blending() { return FBlending; }
  TSeShadow& Shadow() { return FShadow; }
  // After the component has made itself the hint's data.
  TShowHintEvent OnShowHint;

  // The window's rectangle at 0, 0 for Text on Canvas (the hint font on it): the text
  // measured in 1000 x 1000, word-broken, with the look's margins and the shadow.
  TRect CalcRect(TCanvas& Canvas, const std::string& Text);
  // The hint in Rect (0, 0, frame width, frame height); Canvas holds the hint font.
  virtual void Paint(TCanvas& Canvas, const TRect& Rect, const std::string& Text);

protected:
  // Sets Canvas up for measuring and answers what the look adds around the text (width,
  // height); the plain look adds 6 to each.
  virtual TPoint MeasuringMargins(TCanvas& Canvas);

private:
  void Install();
  void Uninstall();
  void DoShowHint(std::string& HintStr, bool& CanShow, THintInfo& HintInfo);

  bool FActive = true;
  bool FInstalled = false;
  TShowHintEvent FPreviousShowHint;
  THintWindowClass FPreviousClass = nullptr;
  TSeAnimation FAnimation;
  TSeBlending FBlending;
  TSeShadow FShadow;
};

// The hint component made last that still exists (the current one), or null.
TSeCustomHint* CurrentHint();
// Data as a hint component, when it is one that exists; null otherwise.
TSeCustomHint* AsHintComponent(void* Data);
// The hint font: the platform's status-bar font, made once.
const TFont& HintFont();
// Text in Rect as the plain look shows it: the hint colour, an outline, the text centred.
void PaintPlainHint(TCanvas& Canvas, const TRect& Rect, const std::string& Text);
// Flags for the hint's text in the reading order of the application's hint window.
UINT HintReadingFlags();

#pragma once
// What the windowed and the windowless skinned-control bases share: the buffering mode,
// see-through painting, translucency over the parent, the paint font, and the mouse-enter
// and mouse-leave events.

#include <windows.h>

#include "controls/base/Bevels.h"
#include "controls/base/EffectOptions.h"
#include "controls/base/PaintSurface.h"
#include "gfx/Bitmap.h"
#include "toolkit/ControlMessages.h"
#include "toolkit/Controls.h"

template <class Base> class TSeControlBase : public Base {
public:
  explicit TSeControlBase(TComponent* AOwner) : Base(AOwner) {
    this->FColor = clBtnFace;
    this->FControlStyle |= csOpaque;
    this->SetBounds(this->Left(), this->Top(), 100, 30);
  }

  TSePerformance Performance() const { return FPerformance; }
  // Unbuffered painting cannot blend: qzpNoBuffer is refused while Blending is enabled.
  void SetPerformance(TSePerformance Value) {
    if (Value == FPerformance || (Value == qzpNoBuffer && FBlending.Enabled()))
      return;
    FPerformance = Value;
    this->Invalidate();
  }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value) {
    if (Value == FTransparent)
      return;
    FTransparent = Value;
    this->Invalidate();
  }
  TSeBlending& Blending() { return FBlending; }
  const TSeBlending& Blending() const { return FBlending; }
  // A copy of Value; enabled blending needs a buffer, so an unbuffered control takes the
  // double buffer.
  void SetBlending(const TSeBlending& Value) {
    FBlending.Assign(Value);
    PromoteForBlending();
    if (!this->Loading())
      this->Invalidate();
  }

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override {
    switch (Msg) {
    case CM_MOUSEENTER: {
      const LRESULT Result = Base::WndProc(Msg, WParam, LParam);
      MouseEnter();
      return Result;
    }
    case CM_MOUSELEAVE: {
      const LRESULT Result = Base::WndProc(Msg, WParam, LParam);
      MouseLeave();
      return Result;
    }
    default:
      return Base::WndProc(Msg, WParam, LParam);
    }
  }

protected:
  // The pointer came over the control or left it: the events, then a repaint for a control
  // with a hot look.
  virtual void MouseEnter() {
    if (OnMouseEnter)
      OnMouseEnter(this);
    if (HotLook)
      this->Invalidate();
  }
  virtual void MouseLeave() {
    if (OnMouseLeave)
      OnMouseLeave(this);
    if (HotLook)
      this->Invalidate();
  }
  // Set by controls that look different while the pointer is over them.
  bool HotLook = false;
  void PromoteForBlending() {
    if (FBlending.Enabled() && FPerformance == qzpNoBuffer)
      SetPerformance(qzpDoubleBuffer);
  }

  // One paint through the surface Performance chooses (Prefill clears a buffer to the key
  // colour first): the paint font set from Font, Content drawing on the canvas, Blending
  // merged over what DrawBackground paints of the parent, the drawing copied out. Nothing
  // for a control without area; the canvas goes back and a buffer of its own is freed on
  // every path out.
  template <class F, class G> void PaintBuffered(bool Prefill, F&& Content, G&& DrawBackground) {
    const int W = this->Width(), H = this->Height();
    if (W <= 0 || H <= 0)
      return;
    TSePaintSurface Surface(this->Canvas(), FPerformance, W, H, Prefill);
    FPaintFont.Assign(this->Font());
    this->Canvas().Font.Assign(FPaintFont);
    Content(this->Canvas().Handle());
    Surface.Blend(FBlending, FBlendBackground, DrawBackground);
    Surface.Present();
  }

  // Assigned from Font at the start of every paint; content painting draws with it.
  TFont& PaintFont() { return FPaintFont; }
  // Receives the parent's background for blending.
  TseBitmap& BlendBackground() { return FBlendBackground; }

  TSeBlending FBlending;

private:
  TSePerformance FPerformance = qzpNoBuffer;
  bool FTransparent = false;
  TFont FPaintFont;
  TseBitmap FBlendBackground;
};

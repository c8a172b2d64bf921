#pragma once
// The skinned scroll bar: the plain bar's mechanics with its track, buttons and thumb drawn by
// the skin object "ScrollBar" (frame, left or top and right or bottom buttons, slider, each
// by the bar's kind), its buttons as long as the skin's. Without a usable skin it is the
// plain bar.

#include <string>

#include "controls/base/Skinned.h"
#include "controls/scroll/SeCustomScrollBar.h"
#include "skin/SkinTypes.h"

class TSeSkinScrollBar : public TSeSkinned<TSeCustomScrollBar> {
public:
  explicit TSeSkinScrollBar(TComponent* AOwner);
  std::string ClassName() const override { return "TSeSkinScrollBar"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

  // The skin's button length: the width of "LeftButton" (horizontal) or the height of
  // "TopButton" (vertical) where the skin has it.
  int ButtonSize() const override;

protected:
  void PaintBorder() override;
  void PaintTrack() override;
  void PaintButton1() override;
  void PaintButton2() override;
  void PaintThumb() override;
  void PaintTrackBefore() override;
  void PaintTrackAfter() override;
  // A vertical bar takes the frame's width, a horizontal one its height.
  void SkinAttached(TSeSkinObject& Copy) override;

private:
  // The copy's part for this kind of bar, or the part both kinds share; null for none.
  TSeSkinObject* KindPart(const char* Horizontal, const char* Vertical,
                          const char* Shared = nullptr) const;
  TSeSkinObject* FramePart() const { return KindPart("HorzFrame", "VertFrame", "Frame"); }
  void DrawPart(TSeSkinObject* Part, TSeState State, const TRect& Bounds);
  // Disabled, pressed (or dragged), hot or normal.
  TSeState PartState(bool Pressed, bool Hot) const;
  // A button shows pressed only while the pointer is over it.
  TSeState ButtonState(bool Pressed, bool Hot) const;
};

#pragma once
// The skinned hint: painted from a copy of a skin object ("Hint" by default), with the
// copy's font and margins around the text. Without a usable skin it is the plain hint.

#include <string>

#include "controls/hint/SeCustomHint.h"
#include "skin/SkinControlLink.h"

class TSeSkinEngine;

class TSeSkinHint : public TSeCustomHint {
public:
  explicit TSeSkinHint(TComponent* AOwner);
  std::string ClassName() const override { return "TSeSkinHint"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

  TSeSkinEngine* SkinEngine() const { return FSkin.SkinEngine(); }
  // With a usable skin the copy is made at once; the next hint paints with it.
  void SetSkinEngine(TSeSkinEngine* Engine) { FSkin.SetSkinEngine(Engine); }
  const std::string& SkinObject() const { return FSkin.SkinObject(); }
  void SetSkinObject(const std::string& Value) { FSkin.SetSkinObject(Value); }
  // The copy the hint paints from, or null.
  TSeSkinObject* SkinCopy() const { return FSkin.Copy(); }

  void Paint(TCanvas& Canvas, const TRect& Rect, const std::string& Text) override;

protected:
  // With a copy: its font on the canvas, its margins around the text.
  TPoint MeasuringMargins(TCanvas& Canvas) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  TSeSkinControlLink FSkin;
};

#pragma once
// The library's label: windowless text, aligned left, right or centred and placed at the
// top, the middle or the bottom, wrapped on request, "&" marking an accelerator. With
// AutoSize it takes its text's size, a right-aligned label keeping its right edge.

#include <windows.h>

#include <string>

#include "controls/base/CheckGeometry.h"
#include "controls/base/SeGraphicControl.h"

class TPropTable;
class TWinControl;

class TSeCustomLabel : public TSeGraphicControl {
public:
  explicit TSeCustomLabel(TComponent* AOwner);
  ~TSeCustomLabel() override;
  std::string ClassName() const override { return "TSeCustomLabel"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

  // The control its accelerator focuses; cleared when that control goes.
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool Value);

  // The text drawn.
  virtual std::wstring GetLabelText() const;
  // The size the text takes in the client width (word breaking when WordWrap).
  SIZE MeasureLabel() const;
  // Takes the text's size when AutoSize is on (not while loading).
  virtual void AdjustBounds();
  void Loaded() override;
  // The caption's accelerator focuses FocusControl.
  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

protected:
  // Draws the text in Rect with Flags, engraved when disabled; with DT_CALCRECT only
  // measures into Rect.
  virtual void DoDrawText(RECT& Rect, UINT Flags);
  void PaintClient() override;
  void CaptionChanged() override;
  void DoFontChanged() override { AdjustBounds(); }
  void Notification(TComponent* AComponent, TOperation Operation) override;
  UINT TextFlags() const;

private:
  TWinControl* FFocusControl = nullptr;
  TAlignment FAlignment = TAlignment::taLeftJustify;
  bool FAutoSize = true;
  TTextLayout FLayout = tlTop;
  bool FWordWrap = false;
  bool FShowAccelChar = true;
};

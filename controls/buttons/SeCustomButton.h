#pragma once
// The library's push button: a caption and a glyph of up to four cells (normal, disabled,
// pressed, and one more), a pressed state that follows the mouse while it is held and the
// space key, the default and cancel roles of a dialog (Enter and Escape), and the dialog
// kinds that bring their modal result and glyph. It paints with the platform's "Button" theme
// while visual styles are on and with classic 3-D edges otherwise; the skinned button replaces
// the face and caption painting.

#include <windows.h>

#include <memory>
#include <string>

#include "controls/base/SeCustomControl.h"
#include "controls/buttons/ButtonLayout.h"
#include "toolkit/ButtonTypes.h"
#include "toolkit/Published.h"

class TAction;
template <class T> class TActionLinkOf;

class TSeCustomButton : public TSeCustomControl {
public:
  explicit TSeCustomButton(TComponent* AOwner);
  ~TSeCustomButton() override;
  std::string ClassName() const override { return "TSeCustomButton"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

  // The button acts as its form's default now: it is Default and focus is not on another
  // push button.
  bool ActiveDefault() const { return FActiveDefault; }
  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  // The glyph's cells side by side; a change of the picture recounts NumGlyphs. A glyph set
  // here is the button's own, even where an action's image was shown before.
  TBitmap& Glyph() { return FGlyph; }
  const TBitmap& Glyph() const { return FGlyph; }
  void SetGlyph(const TBitmap& Value);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);
  // A kind other than bkCustom brings its modal result, its default role and its glyph.
  TBitBtnKind Kind() const { return FKind; }
  void SetKind(TBitBtnKind Value);
  int NumGlyphs() const { return FNumGlyphs; }
  // Kept within 1 to 4.
  void SetNumGlyphs(int Value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);
  TSeButtonState State() const { return FState; }
  void SetState(TSeButtonState Value);
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int Value) { FModalResult = Value; }
  // The glyph in grey tones while the pointer is away.
  bool BlackAndWhiteGlyph() const { return FBlackAndWhiteGlyph; }
  void SetBlackAndWhiteGlyph(bool Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);

  // The action the button shows: its caption, enabled state, hint and handler (which runs
  // on a click), and its image, which becomes the glyph; later changes of the action follow.
  // Linked while loading, the button keeps what it was given of its own. An action that
  // goes away leaves the button what it showed.
  TAction* Action() const { return FAction; }
  void SetAction(TAction* Value);
  // The glyph shows the action's image (and is then not stored with the layout).
  bool GlyphFromAction() const { return FGlyphFromAction; }

  // The form's modal result becomes ModalResult, then OnClick (the action's handler, run by
  // the action, when OnClick came from it).
  void Click() override;

  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

  // Where the block of caption and glyph lies, and its two parts (control coordinates).
  virtual TRect GetContentRect();
  virtual TRect GetCaptionRect();
  virtual TRect GetGlyphRect();

protected:
  // The base's fill, then face, caption and glyph.
  void PaintClient() override;
  virtual void PaintFace();
  virtual void PaintGlyph();
  virtual void PaintCaption();

  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseCaptureLost() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void EnabledChanged() override;
  void CaptionChanged() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // The size of one glyph cell; (0, 0) without a glyph.
  TPoint GlyphCell() const;
  // The caption's extent in the canvas font, or the word-wrapped box it is set in.
  TPoint CaptionExtent();
  // The caption's text rectangle, centred in GetCaptionRect, and its DrawText flags.
  TRect CaptionTextRect(UINT& Flags);
  // Focused, or the dialog's default.
  bool ShowsFocus() const { return FocusedFlag() || FActiveDefault; }
  std::wstring CaptionText() const;

private:
  friend class TActionLinkOf<TSeCustomButton>;
  void ActionChanged(TAction& Source, bool CheckDefaults);
  // The glyph becomes the action's image, or loses the image the action gave it.
  void ActionGlyphChanged(const TAction& Source, bool CheckDefaults);
  // Forgets the action; what it gave stays the button's own.
  void DropAction();
  void Changed(bool Differs);
  void GlyphChanged();
  // Whether a key press of Key is this button's as a dialog key.
  bool TakesDialogKey(WPARAM Key) const;
  void FocusChanged(TControl* Focused);

  bool FActiveDefault = false;
  bool FDefault = false;
  TBitmap FGlyph;
  TButtonLayout FLayout = blGlyphLeft;
  TBitBtnKind FKind = bkCustom;
  int FNumGlyphs = 1;
  int FSpacing = 4;
  TSeButtonState FState = qbsNormal;
  int FModalResult = 0;
  bool FBlackAndWhiteGlyph = false;
  bool FCancel = false;
  bool FWordWrap = false;
  bool FTracking = false;
  TAction* FAction = nullptr;
  std::unique_ptr<TActionLinkOf<TSeCustomButton>> FActionLink;
  bool FOnClickFromAction = false;
  bool FGlyphFromAction = false;
};

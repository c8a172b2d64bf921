#pragma once
// The library's single-line edit, drawn entirely by itself: its own UTF-16 text (the model),
// caret, selection with the mouse and Shift, horizontal scrolling and alignment, password
// masks of several shapes, the clipboard, a multi-step undo, input-method composition and a
// context menu of the library's popup menus. The window text follows the text, so other
// programs read it as they read any window's. The skinned edit replaces the frame and
// background painting and the menu's look.

#include <windows.h>

#include <memory>
#include <string>

#include "controls/base/SeCustomControl.h"
#include "controls/edit/EditModel.h"

class TMeasureDC;
class TPropTable;
class TSeCustomItem;
class TSeCustomPopupMenu;
class TSePopupMenuOptions;

enum TPasswordKind { pkNone, pkChar, pkRect, pkRoundRect, pkCircle, pkTriangle };
enum TImeMode {
  imDisable,
  imClose,
  imOpen,
  imDontCare,
  imSAlpha,
  imAlpha,
  imHira,
  imSKata,
  imKata,
  imChinese,
  imSHanguel,
  imHanguel
};

class TSeCustomEdit : public TSeCustomControl {
public:
  explicit TSeCustomEdit(TComponent* AOwner);
  ~TSeCustomEdit() override;
  std::string ClassName() const override { return "TSeCustomEdit"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }
  void Loaded() override;

  std::wstring Text() const;
  // Stored in CharCase; a different text runs Change. Set from outside it is no edit: the
  // undo history starts again.
  void SetText(const std::wstring& Value);
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool Value) { FAutoSelect = Value; }
  // The height follows the font and the frame.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  TEditCharCase CharCase() const { return FModel.CharCase(); }
  void SetCharCase(TEditCharCase Value) { FModel.SetCharCase(Value); }
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  int MaxLength() const { return FModel.MaxLength; }
  void SetMaxLength(int Value) { FModel.MaxLength = Value; }
  TPasswordKind PasswordKind() const { return FPasswordKind; }
  void SetPasswordKind(TPasswordKind Value);
  wchar_t PasswordWideChar() const { return FPasswordWideChar; }
  // A character other than 0 also makes the kind pkChar.
  void SetPasswordWideChar(wchar_t Value);
  TSePopupMenuOptions& ContextMenuOptions() { return *FContextMenuOptions; }
  void SetContextMenuOptions(const TSePopupMenuOptions& Value);
  bool ReadOnly() const { return FModel.ReadOnly; }
  void SetReadOnly(bool Value) { FModel.ReadOnly = Value; }
  TAlignment TextAlignment() const { return FTextAlignment; }
  void SetTextAlignment(TAlignment Value);
  TImeMode ImeMode() const { return FImeMode; }
  void SetImeMode(TImeMode Value) { FImeMode = Value; }
  const std::string& ImeName() const { return FImeName; }
  void SetImeName(const std::string& Value) { FImeName = Value; }
  // The control's cursor; the default one becomes the I-beam.
  void SetCursor(TCursor Value);

  // The selection and caret, in UTF-16 units.
  int SelStart() const { return FModel.SelStart(); }
  int SelLength() const { return FModel.SelCount(); }
  std::wstring SelText() const;
  int CaretPosition() const { return FModel.Caret(); }
  // Selects Length units from Start, the caret at the selection's end.
  void SetSelection(int Start, int Length);
  // The first visible character, 1-based.
  int FirstVisible() const { return FModel.First(); }
  const TEditModel& Model() const { return FModel; }

  // Nothing with a password or without a selection.
  void CopyToClipboard();
  // Copies (unless a password), then deletes the selection.
  void CutToClipboard();
  // Inserted as typed text; not when ReadOnly.
  void PasteFromClipboard();
  bool Undo();
  void SelectAll();
  // Deletes the selection.
  void ClearSelection();

  // The inner rectangle cut to one line of text.
  RECT TextRect();
  // Where the caret stands for a position, and the position under an x.
  int CaretX(int Pos);
  int PositionAt(int X);
  // The context menu, made the first time it shows (null before).
  TSeCustomPopupMenu* ContextMenu() const { return FContextMenu; }

  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

  TNotifyEvent OnChange;

protected:
  // After every change of the text: the window text follows, the caret is placed again and
  // OnChange fires.
  virtual void Change();
  void CreateWnd() override;

  // Background, selection, text (or masks), and the selected part again in the selection's
  // colours.
  void PaintClient() override;
  // Fills the inner rectangle with Color.
  virtual void PaintBackground();
  // The font the text is drawn and measured in (plain: Font, greyed while disabled).
  virtual TFont TextFont() const;
  // An empty popup menu of the right kind, owned by the edit.
  virtual TSeCustomPopupMenu* NewContextMenu();

  void BorderChanged() override;
  void FocusEnter() override;
  void FocusExit() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseCaptureLost() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;
  void DoFontChanged() override;

private:
  // Text as stored layouts keep it (8-bit).
  std::string StoredText() const;
  void SetStoredText(const std::string& Value);
  // The text line's layout in the measuring font.
  TEditLayout Layout(const TMeasureDC& Measure) const;
  static int LineHeight(const TMeasureDC& Measure);
  RECT LineRect(int Height) const;
  int TextHeight();
  int CellWidth(HDC DC) const;
  // After the caret moved: scrolled to it, the platform caret placed, repainted.
  void CaretMoved();
  void MakeCaret();
  void AdjustHeight();
  // The window text as the platform keeps it, in step with Text.
  void SyncWindowText();
  void ShowContextMenu(LPARAM At);
  void UndoCommand() { Undo(); }
  void BuildContextMenu();
  void StartComposition();
  bool FinishComposition(LPARAM Flags);
  // The text, or a mask in each Cell wide cell, from Left on, within Clip.
  void PaintText(int Left, int Cell, const RECT& Line, const RECT& Clip, TColor Color);
  void PaintMask(const RECT& Cell, TColor Color);
  // The character a pkChar password shows.
  wchar_t MaskChar() const { return FPasswordWideChar ? FPasswordWideChar : L'*'; }

  TEditModel FModel;
  bool FAutoSelect = true;
  bool FAutoSize = true;
  bool FHideSelection = true;
  TPasswordKind FPasswordKind = pkNone;
  wchar_t FPasswordWideChar = 0;
  std::unique_ptr<TSePopupMenuOptions> FContextMenuOptions;
  TAlignment FTextAlignment = TAlignment::taLeftJustify;
  TImeMode FImeMode = imDontCare;
  std::string FImeName;
  bool FTracking = false;
  bool FCaretMade = false;
  TSeCustomPopupMenu* FContextMenu = nullptr;
  TSeCustomItem* FUndoItem = nullptr;
  TSeCustomItem* FCutItem = nullptr;
  TSeCustomItem* FCopyItem = nullptr;
  TSeCustomItem* FPasteItem = nullptr;
  TSeCustomItem* FDeleteItem = nullptr;
  TSeCustomItem* FSelectAllItem = nullptr;
};

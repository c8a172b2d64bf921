#include "controls/edit/SeCustomEdit.h"

#include <imm.h>
#include <windowsx.h>

#include "controls/base/EffectOptions.h"
#include "controls/base/PublishedControl.h"
#include "controls/base/TextMeasure.h"
#include "controls/menu/SePopupMenu.h"
#include "toolkit/AnsiText.h"
#include "toolkit/Clipboard.h"
#include "toolkit/Published.h"

namespace {

constexpr const char* CharCaseNames[] = {"ecNormal", "ecUpperCase", "ecLowerCase"};
constexpr const char* PasswordKindNames[] = {"pkNone",      "pkChar",   "pkRect",
                                             "pkRoundRect", "pkCircle", "pkTriangle"};
constexpr const char* ImeModeNames[] = {"imDisable", "imClose",   "imOpen",     "imDontCare",
                                        "imSAlpha",  "imAlpha",   "imHira",     "imSKata",
                                        "imKata",    "imChinese", "imSHanguel", "imHanguel"};

std::u16string ModelText(const std::wstring& Text) {
  static_assert(sizeof(wchar_t) == sizeof(char16_t));
  return {reinterpret_cast<const char16_t*>(Text.data()), Text.size()};
}

std::wstring WideText(const std::u16string& Text) {
  return {reinterpret_cast<const wchar_t*>(Text.data()), Text.size()};
}

// Text inserted as typed: control characters (line breaks among them) do not go in.
std::u16string Typeable(const std::wstring& Text) {
  std::u16string Result;
  for (const wchar_t C : Text)
    if (C >= 32)
      Result.push_back(static_cast<char16_t>(C));
  return Result;
}

// ImmGetContext/ImmReleaseContext.
class TImeContext {
public:
  explicit TImeContext(HWND Wnd) : FWnd(Wnd), FContext(ImmGetContext(Wnd)) {}
  ~TImeContext() {
    if (FContext)
      ImmReleaseContext(FWnd, FContext);
  }
  TImeContext(const TImeContext&) = delete;
  TImeContext& operator=(const TImeContext&) = delete;
  HIMC Handle() const { return FContext; }

private:
  HWND FWnd;
  HIMC FContext;
};

} // namespace

TSeCustomEdit::TSeCustomEdit(TComponent* AOwner)
    : TSeCustomControl(AOwner), FContextMenuOptions(std::make_unique<TSePopupMenuOptions>()) {
  HotLook = true;
  FControlStyle |= csCaptureMouse;
  FColor = clWindow;
  TControl::SetCursor(crIBeam);
  SetPerformance(qzpDoubleBuffer);
  SetBevelKind(qbkSingle);
  SetBevelWidth(1);
  SetBorderWidth(3);
  SetTabStop(true);
  SetBounds(Left(), Top(), 121, 21);
  FModel.OnChange = [this] { Change(); };
}

TSeCustomEdit::~TSeCustomEdit() = default;

const TPropTable& TSeCustomEdit::Properties() {
  using E = TSeCustomEdit;
  static const TPropTable Table(
      nullptr,
      {ControlProp("Left"),
       ControlProp("Top"),
       ControlProp("Width"),
       ControlProp("Height"),
       AccessorProp<E>("Text", TPropKind::pkString, &E::StoredText, &E::SetStoredText),
       DefaultProp(AccessorProp<E>("AutoSelect", TPropKind::pkBoolean, &E::AutoSelect, &E::SetAutoSelect), true),
       DefaultProp(AccessorProp<E>("AutoSize", TPropKind::pkBoolean, &E::AutoSize, &E::SetAutoSize), true),
       DefaultProp(AccessorProp<E>("CharCase", TPropKind::pkEnum, &E::CharCase, &E::SetCharCase, CharCaseNames), ecNormal),
       DefaultProp(ControlProp("Color"), clWindow),
       DefaultProp(AccessorProp<E>("Cursor", TPropKind::pkInteger, &E::Cursor, &E::SetCursor), crIBeam),
       DefaultProp(AccessorProp<E>("HideSelection", TPropKind::pkBoolean, &E::HideSelection,
                       &E::SetHideSelection), true),
       DefaultProp(AccessorProp<E>("MaxLength", TPropKind::pkInteger, &E::MaxLength, &E::SetMaxLength), 0),
       DefaultProp(AccessorProp<E>("PasswordKind", TPropKind::pkEnum, &E::PasswordKind, &E::SetPasswordKind,
                       PasswordKindNames), pkNone),
       DefaultProp(AccessorProp<E>("PasswordWideChar", TPropKind::pkInteger, &E::PasswordWideChar,
                       &E::SetPasswordWideChar), 0),
       ObjectProp<E>("ContextMenuOptions", &E::FContextMenuOptions),
       DefaultProp(AccessorProp<E>("ReadOnly", TPropKind::pkBoolean, &E::ReadOnly, &E::SetReadOnly), false),
       DefaultProp(AccessorProp<E>("TextAlignment", TPropKind::pkEnum, &E::TextAlignment, &E::SetTextAlignment,
                       AlignmentNames), static_cast<int64_t>(TAlignment::taLeftJustify)),
       DefaultProp(AccessorProp<E>("ImeMode", TPropKind::pkEnum, &E::ImeMode, &E::SetImeMode, ImeModeNames), imDontCare),
       AccessorProp<E>("ImeName", TPropKind::pkString, &E::ImeName, &E::SetImeName),
       AccessorProp<E>("BevelInner", TPropKind::pkEnum, &E::BevelInner, &E::SetBevelInner,
                       BevelCutNames),
       AccessorProp<E>("BevelOuter", TPropKind::pkEnum, &E::BevelOuter, &E::SetBevelOuter,
                       BevelCutNames),
       AccessorProp<E>("BevelSides", TPropKind::pkSet, &E::BevelSides, &E::SetBevelSides,
                       BevelSideNames),
       DefaultProp(AccessorProp<E>("BevelKind", TPropKind::pkEnum, &E::BevelKind, &E::SetBevelKind,
                       BevelKindNames), qbkSingle),
       AccessorProp<E>("BevelWidth", TPropKind::pkInteger, &E::BevelWidth, &E::SetBevelWidth),
       AccessorProp<E>("BorderWidth", TPropKind::pkInteger, &E::BorderWidth, &E::SetBorderWidth),
       ControlProp("Enabled"),
       ControlProp("Font"),
       ControlProp("ParentFont"),
       DefaultProp(AccessorProp<E>("Performance", TPropKind::pkEnum, &E::Performance, &E::SetPerformance,
                       PerformanceNames), qzpDoubleBuffer),
       ControlProp("Hint"),
       ControlProp("ShowHint"),
       DefaultProp(AccessorProp<E>("TabStop", TPropKind::pkBoolean, &E::TabStop, &E::SetTabStop), true),
       DefaultProp(AccessorProp<E>("Transparent", TPropKind::pkBoolean, &E::Transparent, &E::SetTransparent), false),
       ControlProp("Visible"),
       EventProp("OnChange", &E::OnChange)});
  return Table;
}

void TSeCustomEdit::Loaded() {
  TSeCustomControl::Loaded();
  AdjustHeight();
}

// ---------------------------------------------------------------------------------------
// Properties

std::wstring TSeCustomEdit::Text() const { return WideText(FModel.Text()); }

void TSeCustomEdit::SetText(const std::wstring& Value) {
  FModel.SetText(ModelText(Value));
  Invalidate();
}

std::string TSeCustomEdit::StoredText() const { return ToolkitText(Text()); }

void TSeCustomEdit::SetStoredText(const std::string& Value) { SetText(WindowText(Value)); }

std::wstring TSeCustomEdit::SelText() const { return WideText(FModel.SelText()); }

void TSeCustomEdit::SetAutoSize(bool Value) {
  FAutoSize = Value;
  AdjustHeight();
}

void TSeCustomEdit::SetHideSelection(bool Value) {
  FHideSelection = Value;
  Invalidate();
}

void TSeCustomEdit::SetPasswordKind(TPasswordKind Value) {
  FPasswordKind = Value;
  CaretMoved();
}

void TSeCustomEdit::SetPasswordWideChar(wchar_t Value) {
  FPasswordWideChar = Value;
  if (Value != 0)
    FPasswordKind = pkChar;
  CaretMoved();
}

void TSeCustomEdit::SetContextMenuOptions(const TSePopupMenuOptions& Value) {
  FContextMenuOptions->Assign(Value);
}

void TSeCustomEdit::SetTextAlignment(TAlignment Value) {
  FTextAlignment = Value;
  CaretMoved();
}

void TSeCustomEdit::SetCursor(TCursor Value) {
  TControl::SetCursor(Value == crDefault ? crIBeam : Value);
}

void TSeCustomEdit::Change() {
  SyncWindowText();
  if (Enabled() && HandleAllocated())
    CaretMoved();
  Invalidate();
  if (OnChange)
    OnChange(this);
}

void TSeCustomEdit::SyncWindowText() {
  // The platform's own copy, which other programs read; not through WM_SETTEXT of ours,
  // which would set Text again.
  if (HandleAllocated())
    DefWindowProcW(Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Text().c_str()));
}

void TSeCustomEdit::CreateWnd() {
  TSeCustomControl::CreateWnd();
  SyncWindowText();
  AdjustHeight();
}

// ---------------------------------------------------------------------------------------
// Geometry

TFont TSeCustomEdit::TextFont() const {
  TFont Result(Font());
  if (!Enabled())
    Result.SetColor(clGrayText);
  return Result;
}

int TSeCustomEdit::TextHeight() { return LineHeight(TMeasureDC(TextFont(), msColour)); }

int TSeCustomEdit::LineHeight(const TMeasureDC& Measure) {
  return static_cast<int>(Measure.Extent(L"Pq", 2).cy);
}

RECT TSeCustomEdit::LineRect(int Height) const {
  RECT R = GetInnerRect();
  R.bottom = R.top + Height;
  return R;
}

RECT TSeCustomEdit::TextRect() { return LineRect(TextHeight()); }

int TSeCustomEdit::CellWidth(HDC DC) const {
  if (FPasswordKind == pkNone)
    return 0;
  const wchar_t Mask = FPasswordKind == pkChar ? MaskChar() : L'W';
  SIZE Size{0, 0};
  GetTextExtentPoint32W(DC, &Mask, 1, &Size);
  return Size.cx > 1 ? Size.cx : 1;
}

TEditLayout TSeCustomEdit::Layout(const TMeasureDC& Measure) const {
  const RECT R = LineRect(LineHeight(Measure));
  TEditLayout L;
  L.Left = R.left;
  L.Right = R.right;
  L.Alignment = FTextAlignment;
  L.CellWidth = CellWidth(Measure.DC());
  const TMeasureDC* Dc = &Measure;
  L.TextWidth = [Dc](std::u16string_view Run) {
    return static_cast<int>(
        Dc->Extent(reinterpret_cast<const wchar_t*>(Run.data()), static_cast<int>(Run.size())).cx);
  };
  return L;
}

int TSeCustomEdit::CaretX(int Pos) {
  const TMeasureDC Measure(TextFont(), msColour);
  return EditCaretX(Layout(Measure), FModel.Text(), FModel.First(), Pos);
}

int TSeCustomEdit::PositionAt(int X) {
  const TMeasureDC Measure(TextFont(), msColour);
  return EditPositionAt(Layout(Measure), FModel.Text(), FModel.First(), X);
}

void TSeCustomEdit::AdjustHeight() {
  if (!FAutoSize || Loading() || !HandleAllocated())
    return;
  SetHeight(2 * GetInnerRect().top + TextHeight());
}

void TSeCustomEdit::BorderChanged() {
  AdjustHeight();
  CaretMoved();
}

void TSeCustomEdit::DoFontChanged() {
  TSeCustomControl::DoFontChanged();
  AdjustHeight();
  if (FCaretMade)
    MakeCaret();
  CaretMoved();
}

// ---------------------------------------------------------------------------------------
// The caret

void TSeCustomEdit::CaretMoved() {
  if (!HandleAllocated())
    return;
  const TMeasureDC Measure(TextFont(), msColour);
  const TEditLayout L = Layout(Measure);
  FModel.ScrollToCaret(L);
  if (FCaretMade)
    SetCaretPos(EditCaretX(L, FModel.Text(), FModel.First(), FModel.Caret()), GetInnerRect().top);
  Invalidate();
}

void TSeCustomEdit::MakeCaret() {
  if (FCaretMade)
    DestroyCaret();
  FCaretMade = CreateCaret(Handle(), nullptr, 0, TextHeight()) != FALSE;
  if (FCaretMade)
    ShowCaret(Handle());
}

void TSeCustomEdit::FocusEnter() {
  TSeCustomControl::FocusEnter();
  MakeCaret();
  if (FAutoSelect)
    FModel.SelectAll();
  CaretMoved();
}

void TSeCustomEdit::FocusExit() {
  TSeCustomControl::FocusExit();
  if (FCaretMade) {
    DestroyCaret();
    FCaretMade = false;
  }
  FTracking = false;
  Invalidate();
}

// ---------------------------------------------------------------------------------------
// Editing

void TSeCustomEdit::CopyToClipboard() {
  if (FPasswordKind != pkNone || !FModel.HasSelection())
    return;
  WriteClipboardText(Handle(), SelText());
}

void TSeCustomEdit::CutToClipboard() {
  CopyToClipboard();
  FModel.DeleteSelection();
  CaretMoved();
}

void TSeCustomEdit::PasteFromClipboard() {
  std::wstring Pasted;
  if (ReadOnly() || !ReadClipboardText(Handle(), Pasted))
    return;
  FModel.InsertText(Typeable(Pasted));
  CaretMoved();
}

bool TSeCustomEdit::Undo() {
  const bool Undone = FModel.Undo();
  CaretMoved();
  return Undone;
}

void TSeCustomEdit::SetSelection(int Start, int Length) {
  FModel.MoveCaret(Start, false);
  FModel.MoveCaret(Start + Length, true);
  CaretMoved();
}

void TSeCustomEdit::SelectAll() {
  FModel.SelectAll();
  CaretMoved();
}

void TSeCustomEdit::ClearSelection() {
  FModel.DeleteSelection();
  CaretMoved();
}

void TSeCustomEdit::KeyDown(WORD& Key, TShiftState Shift) {
  TSeCustomControl::KeyDown(Key, Shift);
  const TShiftState Keys = Shift & (ssShift | ssCtrl | ssAlt);
  const bool Extend = Shift & ssShift, Words = Shift & ssCtrl, CtrlOnly = Keys == ssCtrl;
  switch (Key) {
  case VK_HOME:
    FModel.Move(TEditMove::emHome, Extend);
    break;
  case VK_END:
    FModel.Move(TEditMove::emEnd, Extend);
    break;
  case VK_LEFT:
    FModel.Move(Words ? TEditMove::emWordLeft : TEditMove::emLeft, Extend);
    break;
  case VK_RIGHT:
    FModel.Move(Words ? TEditMove::emWordRight : TEditMove::emRight, Extend);
    break;
  case VK_DELETE:
    if (Keys == ssShift && FModel.HasSelection())
      CutToClipboard();
    else
      FModel.DeleteForward();
    break;
  case VK_BACK:
    FModel.Backspace();
    break;
  case VK_INSERT:
    if (CtrlOnly)
      CopyToClipboard();
    else if (Keys == ssShift)
      PasteFromClipboard();
    break;
  case 'C':
  case 'V':
  case 'X':
  case 'Z':
    if (!CtrlOnly)
      return;
    if (Key == 'C')
      CopyToClipboard();
    else if (Key == 'V')
      PasteFromClipboard();
    else if (Key == 'X')
      CutToClipboard();
    else
      Undo();
    break;
  default:
    return;
  }
  CaretMoved();
}

void TSeCustomEdit::KeyPress(wchar_t& Key) {
  TSeCustomControl::KeyPress(Key);
  if (Key != 0 && FModel.TypeChar(static_cast<char16_t>(Key)))
    CaretMoved();
}

// ---------------------------------------------------------------------------------------
// The mouse

void TSeCustomEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TSeCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft)
    return;
  if (!Focused() && CanFocus())
    SetFocus();
  if (Shift & ssDouble) {
    FModel.SelectWord();
  } else {
    FTracking = true;
    FModel.MoveCaret(PositionAt(X), false);
  }
  CaretMoved();
}

void TSeCustomEdit::MouseMove(TShiftState Shift, int X, int Y) {
  TSeCustomControl::MouseMove(Shift, X, Y);
  if (!FTracking)
    return;
  int Pos = PositionAt(X);
  // Right of the text the caret goes one further, which scrolls.
  if (X >= TextRect().right)
    Pos = NextCharPos(FModel.Text(), Pos);
  FModel.MoveCaret(Pos, true);
  CaretMoved();
}

void TSeCustomEdit::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft)
    FTracking = false;
  TSeCustomControl::MouseUp(Button, Shift, X, Y);
}

void TSeCustomEdit::MouseCaptureLost() { FTracking = false; }

// ---------------------------------------------------------------------------------------
// Input method

void TSeCustomEdit::StartComposition() {
  const TImeContext Ime(Handle());
  if (!Ime.Handle())
    return;
  const RECT Line = TextRect();
  COMPOSITIONFORM Form{};
  Form.dwStyle = CFS_RECT;
  Form.ptCurrentPos = {CaretX(FModel.Caret()), Line.top};
  Form.rcArea = Line;
  ImmSetCompositionWindow(Ime.Handle(), &Form);
  LOGFONTW Log{};
  if (GetObjectW(Font().Handle(), sizeof Log, &Log))
    ImmSetCompositionFontW(Ime.Handle(), &Log);
}

bool TSeCustomEdit::FinishComposition(LPARAM Flags) {
  if (!(Flags & GCS_RESULTSTR))
    return false;
  const TImeContext Ime(Handle());
  if (!Ime.Handle())
    return false;
  const LONG Bytes = ImmGetCompositionStringW(Ime.Handle(), GCS_RESULTSTR, nullptr, 0);
  if (Bytes <= 0)
    return true;
  std::wstring Result(static_cast<size_t>(Bytes) / sizeof(wchar_t), L'\0');
  ImmGetCompositionStringW(Ime.Handle(), GCS_RESULTSTR, Result.data(), static_cast<DWORD>(Bytes));
  for (const wchar_t C : Result)
    FModel.TypeChar(static_cast<char16_t>(C));
  CaretMoved();
  return true;
}

// ---------------------------------------------------------------------------------------
// Messages

LRESULT TSeCustomEdit::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
  case WM_GETDLGCODE:
    return DLGC_WANTARROWS | DLGC_WANTCHARS;
  case WM_SETTEXT:
    // Text set from outside: it becomes Text, which keeps the window's copy in step.
    SetText(LParam ? reinterpret_cast<const wchar_t*>(LParam) : L"");
    FModel.ClearSelection();
    CaretMoved();
    return TRUE;
  case WM_GETTEXTLENGTH:
    return FModel.Length();
  case WM_GETTEXT: {
    if (WParam == 0 || !LParam)
      return 0;
    const std::u16string& Text = FModel.Text();
    const size_t Count = std::min<size_t>(Text.size(), WParam - 1);
    auto* Buffer = reinterpret_cast<wchar_t*>(LParam);
    std::copy_n(reinterpret_cast<const wchar_t*>(Text.data()), Count, Buffer);
    Buffer[Count] = L'\0';
    return static_cast<LRESULT>(Count);
  }
  case WM_CUT:
    CutToClipboard();
    return 0;
  case WM_COPY:
    CopyToClipboard();
    return 0;
  case WM_PASTE:
    PasteFromClipboard();
    return 0;
  case WM_CLEAR:
    ClearSelection();
    return 0;
  case WM_UNDO:
    return Undo();
  case WM_CONTEXTMENU:
    ShowContextMenu(LParam);
    return 0;
  case WM_IME_STARTCOMPOSITION:
    StartComposition();
    break;
  case WM_IME_COMPOSITION:
    if (FinishComposition(LParam))
      return 0;
    break;
  default:
    break;
  }
  return TSeCustomControl::WndProc(Msg, WParam, LParam);
}

#include "controls/edit/SeSkinHotKey.h"

#include "controls/edit/HotKeyInput.h"
#include "toolkit/AnsiText.h"
#include "toolkit/PrivateMessages.h"
#include "toolkit/Published.h"
#include "toolkit/ShortCuts.h"

// No key reaches the edit beneath: the field has no text of its own to type into.
TSeSkinHotKey::TSeSkinHotKey(TComponent* AOwner) : TSeSkinEdit(AOwner) { SetText(L"None"); }

const TPropTable& TSeSkinHotKey::Properties() {
  using H = TSeSkinHotKey;
  static const TPropTable Table(
      &TSeSkinEdit::Properties(),
      {DefaultProp(AccessorProp<H>("ShortCut", TPropKind::pkInteger, &H::ShortCut, &H::SetShortCut),
                   0)});
  return Table;
}

void TSeSkinHotKey::SetShortCut(int Value) {
  FShortCut = Value;
  const std::string Text = ShortCutToText(Value);
  SetText(Text.empty() ? std::wstring(L"None") : WindowText(Text));
}

void TSeSkinHotKey::KeyDown(WORD& Key, TShiftState Shift) {
  const THotKeyResult Result =
      HotKeyInput(Key, (Shift & ssShift) != 0, (Shift & ssCtrl) != 0, (Shift & ssAlt) != 0);
  if (Result.Edit == THotKeyEdit::hkPending && Key == VK_TAB)
    return; // the form moves the focus
  Key = 0; // nothing reaches the edit: the field has no text of its own
  FRefused = 0;
  switch (Result.Edit) {
  case THotKeyEdit::hkSet:
  case THotKeyEdit::hkClear: {
    bool Accept = true;
    if (OnAccept)
      OnAccept(this, Result.ShortCut, Accept);
    if (!Accept) {
      FRefused = Result.ShortCut;
      break;
    }
    SetShortCut(Result.ShortCut);
    break;
  }
  case THotKeyEdit::hkRefused:
    FRefused = Result.ShortCut;
    break;
  default:
    break;
  }
}

void TSeSkinHotKey::KeyPress(wchar_t& Key) { Key = 0; }

LRESULT TSeSkinHotKey::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
  case CM_DIALOGKEY:
    // Esc leaves the field as it was and goes no further; Enter is the form's.
    return WParam == VK_ESCAPE && Focused() ? 1 : TSeSkinEdit::WndProc(Msg, WParam, LParam);
  case WM_SYSCHAR:      // Alt with a key is the field's, not an accelerator's
  case WM_CONTEXTMENU:  // nothing to cut, copy or paste
  case WM_PASTE:
  case WM_CUT:
  case WM_CLEAR:
  case WM_UNDO:
    return 0;
  default:
    return TSeSkinEdit::WndProc(Msg, WParam, LParam);
  }
}

#pragma once
// A field that takes a key combination instead of text, in the skinned edit's look. Pressed
// in it, a combination that plain typing never presses (with Ctrl or Alt, or a function key)
// becomes its ShortCut and shows as text ("Ctrl+Alt+Up"); Backspace or Delete clears it; Esc
// leaves it as it was; anything else is refused. OnAccept may refuse a combination too (one
// that is used elsewhere); OnChange follows every change of ShortCut.

#include <functional>
#include <string>

#include "controls/edit/SeSkinEdit.h"

using TShortCutAcceptEvent = std::function<void(TObject* Sender, int ShortCut, bool& Accept)>;

class TSeSkinHotKey : public TSeSkinEdit {
public:
  explicit TSeSkinHotKey(TComponent* AOwner);
  std::string ClassName() const override { return "TSeSkinHotKey"; }
  static const TPropTable& Properties();
  const TPropTable* Published() const override { return &Properties(); }

  // The combination in the menus' encoding; 0 shows as "None".
  int ShortCut() const { return FShortCut; }
  void SetShortCut(int Value);
  // What the last key pressed in the field did not take (a refused combination), else 0.
  int Refused() const { return FRefused; }

  LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;

  TShortCutAcceptEvent OnAccept;

protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;

private:
  int FShortCut = 0;
  int FRefused = 0;
};
